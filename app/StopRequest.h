#pragma once

// A request to stop the work of this process early, kept for the whole
// process because it arrives as a signal: the worker turns SIGTERM into it,
// the engines poll it between outputs and the file writer while it writes,
// so that a stopped run still ends in order (temporary files removed, a
// response listing what was written whole). Safe to read from any thread and
// to set from a signal handler.
namespace StopRequest {

// From now on SIGTERM, SIGINT, SIGHUP and SIGPIPE set the request instead of
// ending the process, and so does the death of the parent process (Linux).
void installSignalHandler();

bool isSet();
void set();
void clear();

} // namespace StopRequest
