#pragma once

#include <QDirIterator>
#include <QFile>

#include <sys/types.h>
#include <unistd.h>

// The pid of this test's running pdfworker child, 0 when there is none: the
// tests kill it to play a worker that crashes or is killed mid-run.
inline pid_t workerChild()
{
    QDirIterator it(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QString dir = it.next();
        QFile stat(dir + QStringLiteral("/stat"));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        const int close = line.lastIndexOf(')');
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        if (line.contains("(pdfworker)") && fields.size() > 1 && fields.at(1).toLongLong() == ::getpid())
            return pid_t(it.fileName().toLongLong());
    }
    return 0;
}
