#pragma once

// The commands "sheafwright split ..." and "sheafwright merge ...": the
// program's engines from a shell or a script, without a display. They run
// on a QCoreApplication, so no window system is ever touched, and through
// the worker exactly as the screens run it.
class Cli
{
public:
    // True when the first argument names a command. A file of that name
    // stays reachable as a path ("sheafwright ./split") or after "--".
    static bool isCommand(int argc, char *argv[]);
    // Runs the command; returns the process's exit code.
    static int run(int argc, char *argv[]);
};
