#pragma once

#include "app/FileUtils.h"
#include "merge/MergeRequest.h"
#include "merge/MergeResponse.h"
#include "protocol/WorkerFile.h"
#include "split/SplitRequest.h"
#include "split/SplitResponse.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

// Requests written and responses read the way the launchers do, for tests
// that start pdfworker themselves.
namespace WorkerRequests {

// A merge task; a password also marks the file as protected.
inline MergeTask task(const QString &file, int order, const QString &password = QString())
{
    MergeTask t;
    t.fullPath = file;
    t.order = order;
    t.password = password;
    t.hasPassword = !password.isEmpty();
    t.hasSecurity = !password.isEmpty();
    return t;
}

// A split of source into one file per page.
inline SplitRequest split(const QString &source, int pageCount, const QString &out, const QString &session,
                          const QString &id)
{
    SplitRequest r;
    r.fileName = source;
    r.pageCount = pageCount;
    for (int p = 1; p <= pageCount; ++p)
        r.ranges.append({p, p});
    r.outDirectory = out;
    r.sessionPath = session;
    r.sessionId = id;
    return r;
}

// A merge of files, in order, into output.
inline MergeRequest merge(const QStringList &files, const QString &output, const QString &session,
                          const QString &id, const QString &password = QString())
{
    MergeRequest r;
    for (int i = 0; i < files.size(); ++i)
        r.tasks << task(files.at(i), i);
    r.saveFileName = output;
    r.password = password;
    r.cachePath = session;
    r.sessionId = id;
    return r;
}

// Writes the request as "<session>/<id>.req" into a private session folder
// (made when missing); returns its path.
inline QString write(const QJsonObject &request, const QString &session, const QString &id)
{
    FileUtils::ensurePrivateDirectory(session);
    const QString path = session + QStringLiteral("/") + id + QStringLiteral(".req");
    if (!WorkerFile::write(path, request))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// The responses to the requests of write(); code -1 when unreadable.
inline SplitResponse splitResponse(const QString &session, const QString &id)
{
    QString problem;
    SplitResponse response = SplitResponse::readFile(session + QStringLiteral("/") + id + QStringLiteral(".resp"), id,
                                                     &problem);
    if (!problem.isEmpty())
        response.outcome.code = -1;
    return response;
}

inline MergeResponse mergeResponse(const QString &session, const QString &id)
{
    QJsonObject object;
    QStringList problems;
    MergeResponse response;
    if (WorkerFile::read(session + QStringLiteral("/") + id + QStringLiteral(".resp"), object))
        response = MergeResponse::fromJson(object, &problems);
    else
        problems << QStringLiteral("unreadable");
    if (!problems.isEmpty())
        response.outcome.code = -1;
    return response;
}

} // namespace WorkerRequests
