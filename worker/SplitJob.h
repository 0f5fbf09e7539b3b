#pragma once

#include <QString>

// The "--split" mode of pdfworker: reads the request file, runs the split
// engine the request names, prints progress on standard output and writes the
// response into the request's session folder.
class SplitJob
{
public:
    // Returns the process exit code: 0 when a response was written (its
    // "error_code" tells the outcome), else a WorkerCode saying why none could
    // be written (unreadable request, unusable session, write failure).
    static int run(const QString &requestPath);
};
