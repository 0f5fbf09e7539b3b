#pragma once

#include <QString>

// Why the worker could not write an output, as its response tells the
// interface ("write_error": "disk_full", "file_too_large", "read_only_drive",
// "access_denied" or "out_of_memory"; absent when the system gave no such
// reason), and the sentence a screen shows for it.
namespace WriteError {

// The response value for a PdfErrorCode; empty for a code that is not a
// write failure with a cause.
QString fromPdfErrorCode(int code);

// The translated sentence telling the user the cause; empty for an empty or
// unknown value (the screen then falls back on its general advice).
QString sentence(const QString &value);

} // namespace WriteError
