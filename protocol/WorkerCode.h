#pragma once

// Result codes of a worker run, shared by pdfworker (exit code or response
// "error_code") and the launchers that read them back. 0 is success; the
// interface passes every other value on unchanged.
namespace WorkerCode {
enum : int {
    Success = 0,
    // The response could not be opened, decoded or parsed (the launcher
    // cannot tell what happened).
    Failed = 1,
    BadArguments = 2,        // exit code: not "--split"/"--merge" plus a path
    RequestUnreadable = 3,   // exit code: request file missing, not Base64 or not a JSON object
    RequestInvalid = 4,      // wrong types, bad mode, absurd numbers, unsafe session values
    NothingProduced = 5,     // outputs were requested but not one file was written
    ResponseNotWritten = 6,  // exit code: the response file could not be written
    NotStarted = 7,          // launcher: the worker program could not be started
    // The run was stopped on request: the response (when there is one) lists
    // only the files that were written whole before the stop.
    Canceled = 8,
    // Some of the outputs asked for could not be written (a full disk, a
    // write error, a page that cannot be copied): the response lists the
    // files that were written whole; none of the others is left behind.
    Incomplete = 9,
    // launcher: the worker was killed or crashed before it finished; its
    // response, if any, is not trusted.
    Crashed = 10,
    // launcher: the run's session folder or its request could not be
    // written into the cache folder (a full disk, a read-only drive), so no
    // worker was started.
    NoWorkingFolder = 11,
    // A range asks for pages the document does not have (or runs
    // backwards): the run is refused before any file is written, rather
    // than leaving that range out of a run called a success.
    PagesOutsideDocument = 12,
    // The document to split is not there (or is no file): nothing was written.
    SourceMissing = 13,
};
} // namespace WorkerCode
