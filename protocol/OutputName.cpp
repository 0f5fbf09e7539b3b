#include "protocol/OutputName.h"

#include <QFile>

namespace {

bool isSeparator(QChar c)
{
    if (c == QLatin1Char('/') || c == QLatin1Char('\\'))
        return true;
#ifdef Q_OS_WIN
    // Characters Windows refuses in names.
    static const QString reserved = QStringLiteral("<>:\"|?*");
    return reserved.contains(c);
#else
    return false;
#endif
}

bool isBreakOrControl(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line
        || category == QChar::Separator_Paragraph;
}

// Cuts text to at most maxChars characters and OutputName::maxBytes encoded
// bytes, never inside a surrogate pair.
QString cut(QString text, int maxChars)
{
    auto fits = [maxChars](const QString &candidate) {
        return candidate.size() <= maxChars && QFile::encodeName(candidate).size() <= OutputName::maxBytes;
    };
    while (!text.isEmpty() && !fits(text)) {
        int end = qMin(text.size() - 1, maxChars);
        if (end > 0 && text.at(end).isLowSurrogate() && text.at(end - 1).isHighSurrogate())
            --end;
        text.truncate(end);
    }
    return text;
}

} // namespace

QString OutputName::makeSafe(const QString &text)
{
    QString cleaned;
    cleaned.reserve(text.size());
    // By code point: format characters above the first plane (tags, say)
    // come as surrogate pairs.
    for (const uint code : text.toUcs4()) {
        const QChar c = QChar::requiresSurrogates(code) ? QChar() : QChar(code);
        if (QChar::category(code) == QChar::Other_Format) {
            // Invisible characters that change how a name reads: a direction
            // override shows "cod.exe" as "exe.doc". Dropped.
            continue;
        }
        if (QChar::requiresSurrogates(code))
            cleaned.append(QString::fromUcs4(&code, 1));
        else if (isSeparator(c))
            cleaned.append(QLatin1Char('_'));
        else if (isBreakOrControl(c) || c.isSpace())
            cleaned.append(QLatin1Char(' '));
        else
            cleaned.append(c);
    }
    cleaned = cleaned.simplified();
    int skip = 0;
    while (skip < cleaned.size() && (cleaned.at(skip) == QLatin1Char('.') || cleaned.at(skip) == QLatin1Char(' ')))
        ++skip;
    return cut(cleaned.mid(skip), maxLength).trimmed();
}

QString OutputName::fittingStem(const QString &stem)
{
    return cut(stem, stem.size());
}

QString OutputName::numbered(int number, int count, const QString &title, const QString &fallback)
{
    const int width = qMax(2, QString::number(qMax(count, number)).size());
    QString text = makeSafe(title);
    if (text.isEmpty())
        text = makeSafe(fallback);
    return makeSafe(QStringLiteral("%1 %2").arg(number, width, 10, QLatin1Char('0')).arg(text));
}
