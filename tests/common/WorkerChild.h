#pragma once

#include <QDirIterator>
#include <QFile>

#include <sys/types.h>
#include <unistd.h>

// The first process whose /proc folder passes the test; 0 when none does.
template <typename Test>
pid_t firstProcess(Test test)
{
    QDirIterator it(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString dir = it.next();
        if (test(dir))
            return pid_t(it.fileName().toLongLong());
    }
    return 0;
}

// The pid of this test's running pdfworker child, 0 when there is none: the
// tests kill it to play a worker that crashes or is killed mid-run.
inline pid_t workerChild()
{
    return firstProcess([](const QString &dir) {
        QFile stat(dir + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            return false;
        const QByteArray line = stat.readAll();
        const int close = line.lastIndexOf(')');
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        return line.contains("(pdfworker)") && fields.size() > 1 && fields.at(1).toLongLong() == ::getpid();
    });
}

// The pid of a pdfworker, whoever's child, running the given request; 0 when
// there is none. A worker whose program died belongs to init.
inline pid_t workerRunning(const QString &requestPath)
{
    return firstProcess([&requestPath](const QString &dir) {
        QFile cmdline(dir + QStringLiteral("/cmdline"));
        if (!cmdline.open(QIODevice::ReadOnly))
            return false;
        const QList<QByteArray> args = cmdline.readAll().split('\0');
        return args.size() >= 3 && args.at(0).endsWith("pdfworker") && args.at(2) == QFile::encodeName(requestPath);
    });
}

// Whether a process has ended: gone, or a zombie nobody has reaped yet.
inline bool hasEnded(pid_t pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const int close = line.lastIndexOf(')');
    return close < 0 || line.mid(close + 2, 1) == "Z";
}
