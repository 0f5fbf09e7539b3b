#include "cli/PasswordInput.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// The terminal of the process, opened for one prompt and closed after it.
class Terminal
{
public:
    Terminal()
        : m_fd(::open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC))
    {
    }
    ~Terminal()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Terminal(const Terminal &) = delete;
    Terminal &operator=(const Terminal &) = delete;

    bool isOpen() const { return m_fd >= 0; }

    void write(const QByteArray &text) const
    {
        qint64 done = 0;
        while (done < text.size()) {
            const ssize_t n = ::write(m_fd, text.constData() + done, size_t(text.size() - done));
            if (n <= 0)
                return;
            done += n;
        }
    }

    // One line without its end, with echo off. False at the end of input or
    // when a signal arrives.
    bool readHiddenLine(QByteArray *line) const
    {
        termios saved = {};
        const bool isTerminal = ::tcgetattr(m_fd, &saved) == 0;
        if (isTerminal) {
            termios silent = saved;
            silent.c_lflag &= ~tcflag_t(ECHO);
            silent.c_lflag |= ECHONL;
            ::tcsetattr(m_fd, TCSAFLUSH, &silent);
        }
        bool ended = false;
        for (;;) {
            char c = 0;
            const ssize_t n = ::read(m_fd, &c, 1);
            if (n <= 0) {   // end of input, or interrupted by a signal
                ended = true;
                break;
            }
            if (c == '\n')
                break;
            line->append(c);
        }
        if (isTerminal)
            ::tcsetattr(m_fd, TCSAFLUSH, &saved);
        if (ended)
            write("\n");
        return !ended;
    }

private:
    int m_fd;
};

QByteArray withoutLineEnd(QByteArray line)
{
    if (line.endsWith('\n'))
        line.chop(1);
    if (line.endsWith('\r'))
        line.chop(1);
    return line;
}

} // namespace

bool PasswordInput::readLines(const QString &path, QStringList *lines, QString *problem)
{
    const bool fromStandardInput = path == QLatin1String("-");
    QFile file(fromStandardInput ? QString() : path);
    const bool opened = fromStandardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened) {
        *problem = fromStandardInput ? tr("No password could be read from standard input.")
                                     : tr("The password file %1 cannot be read.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    // Read to the end of input: a pipe may not have its data yet, and
    // atEnd() would take that for the end.
    QByteArray data;
    char chunk[4096];
    qint64 count = 0;
    while ((count = file.read(chunk, sizeof chunk)) > 0)
        data.append(chunk, int(count));
    lines->clear();
    for (const QByteArray &line : data.split('\n')) {
        const QByteArray text = withoutLineEnd(line);
        if (!text.isEmpty())
            lines->append(QString::fromUtf8(text));
    }
    if (count < 0) {
        *problem = tr("The password file %1 cannot be read.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    return true;
}

bool PasswordInput::canAsk()
{
    return ::isatty(STDIN_FILENO) && Terminal().isOpen();
}

bool PasswordInput::ask(const QString &prompt, QString *password)
{
    if (!::isatty(STDIN_FILENO))
        return false;
    const Terminal terminal;
    if (!terminal.isOpen())
        return false;
    terminal.write(prompt.toLocal8Bit());
    QByteArray line;
    if (!terminal.readHiddenLine(&line))
        return false;
    *password = QString::fromUtf8(withoutLineEnd(line));
    return true;
}
