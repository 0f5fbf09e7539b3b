#pragma once

#include "merge/DocumentInformation.h"

#include <QObject>
#include <QString>

#include <memory>

class DebenuService;

// Reads one document's information synchronously on the caller's thread
// (blocking for one open): construct, optionally ask for a preview, run(),
// read result().
class InformationWorker : public QObject
{
    Q_OBJECT
public:
    InformationWorker(std::shared_ptr<DebenuService> service, const QString &path, const QString &password,
                      QObject *parent = nullptr);

    QString path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    QString password() const { return m_password; }
    void setPassword(const QString &password) { m_password = password; }
    bool preview() const { return m_preview; }
    void setPreview(bool preview) { m_preview = preview; }
    bool isDone() const { return m_done; }
    DocumentInformation result() const { return m_result; }

signals:
    void finished();
    void started();

public slots:
    // Opens the document and fills the result; a second run overwrites it.
    void run();

private:
    std::shared_ptr<DebenuService> m_service;
    DocumentInformation m_result;
    QString m_path;
    QString m_password;
    bool m_done = false;
    bool m_preview = false;
};
