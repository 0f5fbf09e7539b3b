#pragma once

#include <QCoreApplication>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// What one run of a command did, gathered as it ends and told once: to a
// person as sentences on standard error, or to a script as JSON on standard
// output (--json). Its exit code is never 0 when anything asked for is
// missing: a file left out makes a finished merge WorkerCode::Incomplete.
class RunReport
{
    Q_DECLARE_TR_FUNCTIONS(RunReport)
public:
    struct File
    {
        QString path;
        int pages = 0;   // as read back from the written file; 0 when it cannot be read
        bool renamed = false;   // given "(n)" in front of its name, because the name was taken
    };
    struct LeftOut
    {
        QString path;
        QString reason;   // "password", "unreadable", "no_pages", "out_of_memory" (WorkerOutcome::Reason)
        QString message;  // the sentence for a person
    };

    // command: "split" or "merge".
    explicit RunReport(const QString &command);

    void setSource(const QString &path) { m_source = path; }
    // How many files the run was asked for; -1 (the default) when only the
    // engine knows (a split by size, a merge).
    void setRequested(int count) { m_requested = count; }
    void addFile(const QString &path, int pages, bool renamed = false) { m_files.append({path, pages, renamed}); }
    void addLeftOut(const QString &path, const QString &reason, const QString &message);
    void setOversized(const QStringList &files) { m_oversized = files; }
    // Paragraphs told after the files were written (OutcomeText::notes):
    // renamed files, parts over a size limit, protection not kept.
    void setNotes(const QStringList &notes) { m_notes = notes; }
    // The worker's code and, when it is not a success or something was
    // left out, what happened and what was kept, in one text.
    void setOutcome(int workerCode, const QString &message);
    // A sentence told on a terminal after a success.
    void setSummary(const QString &summary) { m_summary = summary; }

    QList<File> files() const { return m_files; }
    QList<LeftOut> leftOut() const { return m_leftOut; }
    int exitCode() const;
    QJsonObject toJson() const;

    // JSON on standard output when json; what was left out, the notes and
    // the message on standard error; the summary on standard error when that
    // is a terminal.
    void print(bool json) const;

private:
    QString m_command;
    QString m_source;
    int m_requested = -1;
    QList<File> m_files;
    QList<LeftOut> m_leftOut;
    QStringList m_oversized;
    QStringList m_notes;
    int m_workerCode = 0;
    QString m_message;
    QString m_summary;
};
