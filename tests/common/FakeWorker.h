#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A stand-in for pdfworker at path that does nothing and exits with
// exitCode, as the real one does when it cannot write its response.
inline bool writeFakeWorker(const QString &path, int exitCode)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.write("#!/bin/sh\nexit " + QByteArray::number(exitCode) + "\n");
    file.close();
    return file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}
