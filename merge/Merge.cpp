#include "merge/Merge.h"

#include "app/AppSettings.h"

#include <QDir>
#include <QSet>

Merge::Merge(std::shared_ptr<DebenuService> service, QObject *parent)
    : QObject(parent)
{
    m_model.setPdfService(std::move(service));
    connect(&m_launcher, &MergeLauncher::started, this, &Merge::started);
    connect(&m_launcher, &MergeLauncher::finished, this, &Merge::onFinished);
}

Merge::~Merge() = default;

MergeModel *Merge::model()
{
    return &m_model;
}

void Merge::setPasswordPrompt(IPasswordPrompt *prompt)
{
    m_model.setPasswordPrompt(prompt);
}

void Merge::setPassword(const QString &password)
{
    m_password = password;
}

QString Merge::password() const
{
    return m_password;
}

void Merge::setSaveFileName(const QString &fileName)
{
    m_saveFileName = fileName;
}

QString Merge::saveFileName() const
{
    return m_saveFileName;
}

DocumentProperties Merge::documentProperties() const
{
    return DocumentProperties::programDefaults(AppSettings::publisher(), m_password);
}

bool Merge::isRunning() const
{
    return m_launcher.isRunning();
}

MergeRequest Merge::request() const
{
    return m_launcher.request();
}

void Merge::run()
{
    if (m_launcher.isRunning())
        return;
    if (m_model.count() < 2 || m_model.firstRowWithPageProblem() >= 0)
        return;
    MergeRequest request;
    request.setProperties(documentProperties());
    request.saveFileName = m_saveFileName;
    request.interleave = m_interleave;
    request.interleaveReverseLast = m_interleave && m_interleaveReverseLast;
    request.blankAfterOdd = m_blankAfterOdd && !m_interleave;
    request.tasks = m_model.tasks();
    m_leftOutByList.clear();
    QSet<QString> sent;
    for (const MergeTask &task : request.tasks)
        sent.insert(QDir::cleanPath(task.fullPath));
    for (int row = 0; row < m_model.count(); ++row) {
        const MergeItem item = m_model.item(row);
        if (!sent.contains(QDir::cleanPath(item.fullPath)))
            m_leftOutByList.append({item.fullPath, item.needsPassword() ? WorkerOutcome::Reason::Password
                                                                        : WorkerOutcome::Reason::Unreadable});
    }
    m_launcher.setRequest(request);
    m_cancelRequested = false;
    m_outcome = WorkerOutcome();
    m_launcher.run();
}

QList<WorkerOutcome::LeftOut> Merge::leftOut() const
{
    QList<WorkerOutcome::LeftOut> result = m_leftOutByList;
    QSet<QString> listed;
    for (const WorkerOutcome::LeftOut &entry : result)
        listed.insert(QDir::cleanPath(QDir::fromNativeSeparators(entry.item)));
    for (const WorkerOutcome::LeftOut &entry : m_outcome.leftOut) {
        const QString key = QDir::cleanPath(QDir::fromNativeSeparators(entry.item));
        if (!listed.contains(key)) {
            listed.insert(key);
            result << entry;
        }
    }
    return result;
}

QStringList Merge::leftOutFiles() const
{
    QStringList paths;
    for (const WorkerOutcome::LeftOut &entry : leftOut())
        paths << entry.item;
    return paths;
}

void Merge::cancel()
{
    if (m_launcher.isRunning())
        m_cancelRequested = true;
    m_launcher.cancel();
}

void Merge::onFinished(const WorkerOutcome &outcome)
{
    m_outcome = outcome;
    emit complete();
    emit finished(outcome.code, outcome.files().value(0));
}
