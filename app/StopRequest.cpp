#include "app/StopRequest.h"

#include <QtGlobal>

#include <atomic>

#ifndef Q_OS_WIN
#include <csignal>
#endif

namespace StopRequest {

namespace {

// Lock-free, so a signal handler may set it.
std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the stop request is set from a signal handler");

#ifndef Q_OS_WIN
void onTerminate(int)
{
    requested.store(true);
}
#endif

} // namespace

void installSignalHandler()
{
#ifndef Q_OS_WIN
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    // Interrupted reads and writes carry on: the request is looked at
    // between outputs, not by failing whatever system call was under way.
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
#endif
}

bool isSet()
{
    return requested.load();
}

void set()
{
    requested.store(true);
}

void clear()
{
    requested.store(false);
}

} // namespace StopRequest
