#pragma once

#include <cerrno>

// Codes answered by DebenuPDFLibraryDLLQt1016::LastErrorCode() after a failed
// operation. 404 is the one callers test: a password is needed or the one
// given is wrong.
namespace PdfErrorCode {
enum Code {
    None = 0,
    FileNotFound = 1,      // missing, a folder, or unreadable
    NotPdf = 2,            // not a PDF, or damaged beyond repair
    InvalidArgument = 3,   // unknown handle or document, bad page or range list, unknown key
    WriteFailed = 4,       // the output could not be written, for no cause told below
    Unsupported = 5,       // an operation or option this library does not offer
    Internal = 6,          // any other failure inside the PDF libraries
    // The output could not be written, and the system said why: the user
    // can mend each of these, so each is told apart.
    DiskFull = 7,          // no space left, or the user's quota used up
    FileTooLarge = 8,      // past the largest file the drive (FAT32: 4 GB) or a limit allows
    ReadOnlyDrive = 9,     // the folder is on a file system mounted read-only
    AccessDenied = 10,     // the folder may not be written to by this user
    OutOfMemory = 11,      // memory ran out (std::bad_alloc) while reading or writing
    PasswordNeeded = 404
};

// True for every code that says an output could not be written.
inline bool isWriteFailure(int code)
{
    return code == WriteFailed || (code >= DiskFull && code <= AccessDenied);
}

// The write failure code for what a failed system call left in errno.
inline int writeFailure(int error)
{
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return DiskFull;
    case EFBIG:
        return FileTooLarge;
#ifdef EROFS
    case EROFS:
        return ReadOnlyDrive;
#endif
    case EACCES:
    case EPERM:
        return AccessDenied;
    default:
        return WriteFailed;
    }
}
} // namespace PdfErrorCode
