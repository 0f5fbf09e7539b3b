#pragma once

#include <QString>

// pdfworker --merge REQUEST: reads the merge request, runs the merge engine
// and writes the response into the request's session folder. Returns the
// process exit code: 0 when the response was written, else a WorkerCode.
int runMergeCommand(const QString &requestPath);
