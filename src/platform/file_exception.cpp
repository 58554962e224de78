#include "platform/file_exception.h"

#include <cerrno>

namespace {

const char* const kCauseTexts[] = {
    "No error occurred.",
    "An unknown error occurred while accessing %1.",
    "%1 was not found.",
    "%1 contains an invalid path.",
    "%1 could not be opened because there are too many open files.",
    "Access to %1 was denied.",
    "An invalid file handle was associated with %1.",
    "%1 could not be removed because it is the current directory.",
    "%1 could not be created because the directory is full.",
    "Seek failed on %1",
    "A hardware I/O error was reported while accessing %1.",
    "A sharing violation occurred while accessing %1.",
    "A locking violation occurred while accessing %1.",
    "Disk full while accessing %1.",
    "An attempt was made to access %1 past its end.",
};

}  // namespace

CFileException::CFileException(Cause cause, std::string fullPath, int osError)
    : m_cause(cause), m_strFileName(std::move(fullPath)), m_lOsError(osError) {
    m_strMessage = GetErrorMessage();
}

std::string CFileException::GetErrorMessage() const {
    int index = static_cast<int>(m_cause);
    if (index < 0 || index > endOfFile) index = genericException;
    std::string text = kCauseTexts[index];
    std::string::size_type at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, m_strFileName);
    return text;
}

// How the system's errors are told to the user:
//   ENOENT, ENOTDIR, ENAMETOOLONG, ELOOP, EINVAL  -> badPath (ENOENT for a file whose
//       folder exists is turned into fileNotFound by the caller, which can tell the two)
//   EACCES, EPERM, EROFS, EISDIR                  -> accessDenied
//   EMFILE, ENFILE                                -> tooManyOpenFiles
//   EBADF                                         -> invalidFile
//   ENOSPC, EDQUOT, EFBIG                         -> diskFull
//   EIO                                           -> hardIO
//   EBUSY, ETXTBSY                                -> sharingViolation
//   EAGAIN, EWOULDBLOCK, EDEADLK, ENOLCK          -> lockViolation
//   ESPIPE                                        -> badSeek
//   EMLINK                                        -> directoryFull
//   anything else                                 -> genericException
CFileException::Cause CFileException::CauseFromErrno(int osError) {
    switch (osError) {
        case 0:
            return none;
        case ENOENT:
        case ENOTDIR:
        case ENAMETOOLONG:
        case ELOOP:
        case EINVAL:
            return badPath;
        case EACCES:
        case EPERM:
        case EROFS:
        case EISDIR:
            return accessDenied;
        case EMFILE:
        case ENFILE:
            return tooManyOpenFiles;
        case EBADF:
            return invalidFile;
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            return diskFull;
        case EIO:
            return hardIO;
        case EBUSY:
        case ETXTBSY:
            return sharingViolation;
        case EAGAIN:
        case EDEADLK:
        case ENOLCK:
            return lockViolation;
        case ESPIPE:
            return badSeek;
        case EMLINK:
            return directoryFull;
        default:
            return genericException;
    }
}
