#include "platform/file_writer.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

#include "platform/file_exception.h"
#include "platform/file_faults.h"

namespace vexlume {

namespace {

[[noreturn]] void ThrowFor(int err, const std::string& path) {
    throw CFileException(CFileException::CauseFromErrno(err), path, err);
}

mode_t DefaultMode() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

FileWriter::FileWriter(std::string fullPath, WriteErrors writeErrors, Durability durability)
    : m_target(std::move(fullPath)), m_writeErrors(writeErrors), m_durability(durability) {
    if (m_target.empty()) throw CFileException(CFileException::badPath, m_target, ENOENT);
    if (int injected = InjectedFileFault(FileOperation::Create)) ThrowFor(injected, m_target);

    // Replace what a symbolic link points at, not the link itself.
    std::string destination = m_target;
    char resolved[PATH_MAX];
    if (::realpath(m_target.c_str(), resolved) != nullptr) destination = resolved;

    mode_t mode = DefaultMode();
    struct stat st {};
    if (::stat(destination.c_str(), &st) == 0) {
        if (S_ISDIR(st.st_mode)) throw CFileException(CFileException::accessDenied, m_target, EISDIR);
        if (::access(destination.c_str(), W_OK) != 0) ThrowFor(errno, m_target);
        if (!S_ISREG(st.st_mode)) {
            m_fd = ::open(destination.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
            if (m_fd < 0) ThrowFor(errno, m_target);
            return;
        }
        mode = st.st_mode & 07777;
    } else if (errno != ENOENT) {
        ThrowFor(errno, m_target);
    }

    std::string::size_type slash = destination.find_last_of('/');
    std::string folder = slash == std::string::npos ? "." : destination.substr(0, slash);
    std::string name = slash == std::string::npos ? destination : destination.substr(slash + 1);
    std::string pattern = folder + "/." + name + ".tmp-XXXXXX";
    m_fd = ::mkstemp(pattern.data());
    if (m_fd < 0) ThrowFor(errno, m_target);
    m_temporary = pattern;
    if (::fchmod(m_fd, mode) != 0) {
        int err = errno;
        Discard();
        ThrowFor(err, m_target);
    }
    m_destination = destination;
}

FileWriter::~FileWriter() { Discard(); }

void FileWriter::Discard() noexcept {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

void FileWriter::ThrowWriteError(int err) {
    Discard();
    CFileException::Cause cause = m_writeErrors == WriteErrors::DiskFull
                                      ? CFileException::diskFull
                                      : CFileException::CauseFromErrno(err);
    throw CFileException(cause, m_target, err);
}

void FileWriter::Write(const char* data, std::size_t size) {
    if (int injected = InjectedFileFault(FileOperation::Write)) ThrowWriteError(injected);
    while (size > 0) {
        ssize_t put = ::write(m_fd, data, size);
        if (put < 0) {
            if (errno == EINTR) continue;
            ThrowWriteError(errno);
        }
        data += put;
        size -= static_cast<std::size_t>(put);
    }
}

void FileWriter::Commit() {
    if (int injected = InjectedFileFault(FileOperation::Close)) ThrowWriteError(injected);
    if (m_durability == Durability::Synced && !m_temporary.empty() && ::fsync(m_fd) != 0)
        ThrowWriteError(errno);
    int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0) ThrowWriteError(errno);
    if (m_temporary.empty()) return;
    if (int injected = InjectedFileFault(FileOperation::Replace)) {
        Discard();
        ThrowFor(injected, m_target);
    }
    if (::rename(m_temporary.c_str(), m_destination.c_str()) != 0) {
        int err = errno;
        Discard();
        ThrowFor(err, m_target);
    }
    m_temporary.clear();
}

}  // namespace vexlume
