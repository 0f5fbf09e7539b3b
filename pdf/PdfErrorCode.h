#pragma once

// Codes answered by DebenuPDFLibraryDLLQt1016::LastErrorCode() after a failed
// operation. 404 is the one callers test: a password is needed or the one
// given is wrong.
namespace PdfErrorCode {
enum Code {
    None = 0,
    FileNotFound = 1,      // missing, a folder, or unreadable
    NotPdf = 2,            // not a PDF, or damaged beyond repair
    InvalidArgument = 3,   // unknown handle or document, bad page or range list, unknown key
    WriteFailed = 4,       // the output could not be written
    Unsupported = 5,       // an operation or option this library does not offer
    Internal = 6,          // any other failure inside the PDF libraries
    PasswordNeeded = 404
};
}
