#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

// What other readers (poppler's command-line tools, qpdf) say about a file,
// so the tests never judge our output with our own code.
namespace PdfProbe {

inline QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(120000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Page count reported by pdfinfo; -1 when it cannot read the file.
inline int pageCount(const QString &path, const QString &password = QString())
{
    QStringList arguments;
    if (!password.isEmpty())
        arguments << QStringLiteral("-upw") << password;
    arguments << path;
    int code = 0;
    const QString info = run(QStringLiteral("pdfinfo"), arguments, &code);
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info);
    return code == 0 && match.hasMatch() ? match.captured(1).toInt() : -1;
}

// True when qpdf says the file cannot be opened without a password.
inline bool requiresPassword(const QString &path)
{
    int code = 0;
    run(QStringLiteral("qpdf"), {QStringLiteral("--requires-password"), path}, &code);
    return code == 0;
}

// The text of each page, in page order.
inline QStringList pageTexts(const QString &path, const QString &password = QString())
{
    QStringList arguments;
    if (!password.isEmpty())
        arguments << QStringLiteral("-upw") << password;
    arguments << path << QStringLiteral("-");
    QStringList pages = run(QStringLiteral("pdftotext"), arguments).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// A whole file ends with the end-of-file marker; a cut one does not.
inline bool isComplete(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 8)
        return false;
    file.seek(qMax<qint64>(0, file.size() - 1024));
    return file.readAll().contains("%%EOF");
}

// A document of copies of source's pages, made by qpdf.
inline bool repeatPages(const QString &source, int copies, const QString &target)
{
    QStringList arguments{QStringLiteral("--empty"), QStringLiteral("--pages")};
    for (int i = 0; i < copies; ++i)
        arguments << source << QStringLiteral("1-z");
    arguments << QStringLiteral("--") << target;
    int code = 0;
    run(QStringLiteral("qpdf"), arguments, &code);
    return code == 0 || code == 3; // 3: written with warnings
}

// The outline as MuPDF reads it ("mutool show FILE outline"): one line
// "level:title->page" per entry in reading order, page 0 for an entry that
// goes to no page of the document.
inline QStringList outline(const QString &path)
{
    QStringList entries;
    const QStringList lines = run(QStringLiteral("mutool"), {QStringLiteral("show"), path, QStringLiteral("outline")})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    static const QRegularExpression pageRef(QStringLiteral("#page=(\\d+)"));
    for (const QString &line : lines) {
        const int open = line.indexOf(QLatin1Char('"'));
        const int close = line.lastIndexOf(QLatin1Char('"'));
        if (open < 1 || close <= open)
            continue;
        const int level = line.left(open).count(QLatin1Char('\t'));
        const QRegularExpressionMatch page = pageRef.match(line, close);
        // mutool writes a title with C-style escapes.
        QString title = line.mid(open + 1, close - open - 1);
        title.replace(QLatin1String("\\\\"), QLatin1String("\x01")).replace(QLatin1String("\\\""), QLatin1String("\""));
        title.replace(QLatin1Char('\x01'), QLatin1Char('\\'));
        entries << QStringLiteral("%1:%2->%3").arg(level).arg(title)
                       .arg(page.hasMatch() ? page.captured(1).toInt() : 0);
    }
    return entries;
}

} // namespace PdfProbe
