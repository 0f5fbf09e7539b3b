#include "cli/InputDocument.h"

#include "cli/PasswordInput.h"
#include "pdf/DebenuService.h"
#include "pdf/DocumentRepair.h"

#include <QDir>

namespace {

constexpr int promptTries = 3;

} // namespace

void InputDocument::tryPassword(DebenuService &service, const QString &candidate)
{
    int id = 0;
    bool needsPassword = false;
    if (!service.loadFile(path, candidate, &id, &needsPassword, false)) {
        if (state != Opened)
            state = Unreadable;
        return;
    }
    if (needsPassword)
        return;
    const bool grantsCopying = service.contentCopyPermitted(id);
    // The first opening is kept; a later one only for the copying it grants.
    if (state != Opened || (grantsCopying && !copyPermitted)) {
        state = Opened;
        password = candidate;
        pageCount = service.pageCount(id, false);
        encrypted = service.isEncrypted(id, false);
        copyPermitted = grantsCopying;
    }
    service.closeDocument(id, false);
}

bool InputDocument::isSettled() const
{
    return state == Unreadable || (state == Opened && copyPermitted);
}

InputDocument InputDocument::open(DebenuService &service, const QString &path, const QStringList &passwords,
                                  bool mayAsk)
{
    InputDocument document;
    document.path = path;
    document.state = Locked;
    document.passwordsGiven = !passwords.isEmpty();
    document.tryPassword(service, QString());
    for (int i = 0; i < passwords.size() && !document.isSettled(); ++i)
        document.tryPassword(service, passwords.at(i));
    for (int round = 0; mayAsk && document.state == Locked && round < promptTries; ++round) {
        QString typed;
        if (!PasswordInput::ask(tr("Password for %1: ").arg(QDir::toNativeSeparators(path)), &typed))
            break;
        document.passwordsGiven = true;
        document.tryPassword(service, typed);
    }
    if (document.state == Opened && document.pageCount <= 0)
        document.state = Empty;
    return document;
}

InputDocument InputDocument::open(DebenuService &service, const QString &path, const QStringList &passwords,
                                  bool mayAsk, const QString &repairFolder)
{
    InputDocument document = open(service, path, passwords, mayAsk);
    if (document.state != Unreadable || repairFolder.isEmpty())
        return document;
    // A damaged file that is also protected opens in MuPDF with one of the
    // passwords given.
    DocumentRepair::Result repaired;
    for (const QString &password : QStringList(QString()) + passwords) {
        repaired = DocumentRepair::repairInto(path, password, repairFolder);
        if (!repaired.needsPassword)
            break;
    }
    if (repaired.copy.isEmpty()) {
        document.repairFailed = true;
        return document;
    }
    InputDocument copy = open(service, repaired.copy, passwords, mayAsk);
    copy.repairedFrom = path;
    return copy;
}

QString InputDocument::originalPath() const
{
    return repairedFrom.isEmpty() ? path : repairedFrom;
}

QString InputDocument::repairNote() const
{
    if (repairedFrom.isEmpty())
        return QString();
    return tr("%1 cannot be read as it is; a copy repaired by MuPDF, with %n page(s), is used. The file itself is "
              "unchanged.", nullptr, pageCount)
        .arg(QDir::toNativeSeparators(repairedFrom));
}

QString InputDocument::problem() const
{
    const QString shown = QDir::toNativeSeparators(path);
    switch (state) {
    case Opened:
        return QString();
    case Locked:
        if (passwordsGiven)
            return tr("%1 is protected by a password, and none of the passwords given opens it.").arg(shown);
        return tr("%1 is protected by a password. Give it with --password-file or --password-stdin, "
                  "or run the command on a terminal to be asked for it.")
            .arg(shown);
    case Unreadable:
        if (repairFailed)
            return tr("%1 cannot be read as a PDF file, and MuPDF could not repair a copy of it either.").arg(shown);
        return tr("%1 cannot be read as a PDF file: it is damaged or not a PDF file. --repair tries a copy repaired "
                  "by MuPDF.").arg(shown);
    case Empty:
        return tr("%1 has no pages.").arg(shown);
    }
    return QString();
}

QString InputDocument::reason() const
{
    switch (state) {
    case Opened:
        return QString();
    case Locked:
        return QStringLiteral("password");
    case Unreadable:
        return QStringLiteral("unreadable");
    case Empty:
        return QStringLiteral("no_pages");
    }
    return QString();
}
