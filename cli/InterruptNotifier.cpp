#include "cli/InterruptNotifier.h"

#include <QSocketNotifier>

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The write end is used from the signal handler: a plain int and a
// lock-free flag are all it may touch.
int wakeFds[2] = {-1, -1};
std::atomic<bool> signalled{false};
static_assert(std::atomic<bool>::is_always_lock_free, "set from a signal handler");

void onSignal(int)
{
    signalled.store(true);
    const char byte = 1;
    // A full pipe already holds a wake-up: nothing is lost.
    [[maybe_unused]] const ssize_t ignored = ::write(wakeFds[1], &byte, 1);
}

} // namespace

InterruptNotifier::InterruptNotifier(QObject *parent)
    : QObject(parent)
{
}

InterruptNotifier::~InterruptNotifier()
{
    if (!m_notifier)
        return;
    struct sigaction defaults = {};
    defaults.sa_handler = SIG_DFL;
    sigemptyset(&defaults.sa_mask);
    for (int number : {SIGINT, SIGHUP, SIGTERM})
        sigaction(number, &defaults, nullptr);
    delete m_notifier;
    ::close(wakeFds[0]);
    ::close(wakeFds[1]);
    wakeFds[0] = wakeFds[1] = -1;
}

bool InterruptNotifier::install()
{
    ::signal(SIGPIPE, SIG_IGN);
    if (m_notifier)
        return true;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, wakeFds) != 0)
        return false;
    m_notifier = new QSocketNotifier(wakeFds[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &InterruptNotifier::onReadable);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a password prompt waiting in read() returns at once.
    action.sa_flags = 0;
    for (int number : {SIGINT, SIGHUP, SIGTERM}) {
        struct sigaction previous = {};
        // Started with hangups ignored (nohup), keep ignoring them.
        if (number == SIGHUP && sigaction(number, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        sigaction(number, &action, nullptr);
    }
    return true;
}

bool InterruptNotifier::wasInterrupted()
{
    return signalled.load();
}

void InterruptNotifier::onReadable()
{
    char buffer[16];
    while (::read(wakeFds[0], buffer, sizeof buffer) > 0) {
    }
    emit interrupted();
}
