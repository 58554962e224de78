#include "platform/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "platform/file_exception.h"
#include "platform/file_faults.h"

namespace vexlume {

namespace {

// Something that is not a regular file (a pipe, a device) has no size to
// check against; past this much it is not an effect file.
constexpr std::size_t kMaxStreamedBytes = std::size_t{256} << 20;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

[[noreturn]] void ThrowOpenError(int err, const std::string& fullPath) {
    CFileException::Cause cause = CFileException::CauseFromErrno(err);
    if (err == ENOENT) {
        // A missing file in an existing folder is "not found"; a missing
        // folder on the way is a bad path.
        std::error_code ec;
        std::filesystem::path parent = std::filesystem::path(fullPath).parent_path();
        if (parent.empty() || std::filesystem::is_directory(parent, ec))
            cause = CFileException::fileNotFound;
    }
    throw CFileException(cause, fullPath, err);
}

}  // namespace

std::string ReadWholeFile(const std::string& fullPath) {
    if (fullPath.empty()) throw CFileException(CFileException::badPath, fullPath, ENOENT);
    if (int injected = InjectedFileFault(FileOperation::OpenForReading))
        ThrowOpenError(injected, fullPath);

    FileDescriptor fd(::open(fullPath.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) ThrowOpenError(errno, fullPath);

    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) throw CFileException(CFileException::genericException, fullPath, errno);
    if (S_ISDIR(st.st_mode)) throw CFileException(CFileException::accessDenied, fullPath, EISDIR);

    std::string data;
    const bool regular = S_ISREG(st.st_mode);
    if (regular && st.st_size > 0) data.reserve(static_cast<std::size_t>(st.st_size));

    char chunk[65536];
    for (;;) {
        ssize_t got = ::read(fd.get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            throw CFileException(CFileException::CauseFromErrno(err), fullPath, err);
        }
        if (got == 0) break;
        data.append(chunk, static_cast<std::size_t>(got));
        if (!regular && data.size() > kMaxStreamedBytes)
            throw CFileException(CFileException::endOfFile, fullPath, EFBIG);
    }
    return data;
}

}  // namespace vexlume
