#pragma once

#include <exception>
#include <string>

// A file operation that failed, with the cause the user is told about and
// the file's full path.
class CFileException : public std::exception {
public:
    enum Cause {
        none = 0,
        genericException = 1,
        fileNotFound = 2,
        badPath = 3,
        tooManyOpenFiles = 4,
        accessDenied = 5,
        invalidFile = 6,
        removeCurrentDir = 7,
        directoryFull = 8,
        badSeek = 9,
        hardIO = 10,
        sharingViolation = 11,
        lockViolation = 12,
        diskFull = 13,
        endOfFile = 14,
    };

    CFileException(Cause cause, std::string fullPath, int osError = 0);

    // The message for the cause with the file's path filled in.
    std::string GetErrorMessage() const;
    const char* what() const noexcept override { return m_strMessage.c_str(); }

    // Maps an errno value of a failed open, read or write to a cause.
    static Cause CauseFromErrno(int osError);

    Cause m_cause;
    std::string m_strFileName;
    int m_lOsError;

private:
    std::string m_strMessage;
};
