#pragma once

#include <cstddef>
#include <string>

namespace vexlume {

// Writes a file so that a failure never destroys what was there: the bytes
// go to a temporary file beside the target, which replaces the target only
// after a complete write and close. A target that is not a regular file (a
// device such as /dev/null) is written directly. Every failure throws
// CFileException with the target's full path; an unfinished write removes its
// temporary file.
class FileWriter {
public:
    enum class Durability { Plain, Synced };
    // How a failed write or close is reported: text exports always say the
    // disk is full, document saves tell the system's reason.
    enum class WriteErrors { DiskFull, FromSystem };

    FileWriter(std::string fullPath, WriteErrors writeErrors, Durability durability);
    ~FileWriter();
    FileWriter(const FileWriter&) = delete;
    FileWriter& operator=(const FileWriter&) = delete;

    void Write(const char* data, std::size_t size);
    // Closes the file and puts it in place. Without it, nothing is replaced.
    void Commit();

    const std::string& Path() const { return m_target; }

private:
    [[noreturn]] void ThrowWriteError(int err);
    void Discard() noexcept;

    std::string m_target;
    std::string m_destination;  // the target with links resolved
    std::string m_temporary;    // empty when writing directly
    int m_fd = -1;
    WriteErrors m_writeErrors;
    Durability m_durability;
};

}  // namespace vexlume
