#include "pdf/PageLabelReader.h"

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageLabelDocumentHelper.hh>

namespace {

QString roman(long long number)
{
    static const struct { int value; const char *digits; } steps[] = {
        {1000, "M"}, {900, "CM"}, {500, "D"}, {400, "CD"}, {100, "C"}, {90, "XC"},
        {50, "L"},   {40, "XL"},  {10, "X"},  {9, "IX"},   {5, "V"},   {4, "IV"}, {1, "I"}};
    QString text;
    // Beyond a few thousand, roman numerals are a row of M's: keep it short.
    if (number > 4999)
        return QString::number(number);
    for (const auto &step : steps) {
        for (; number >= step.value; number -= step.value)
            text += QLatin1String(step.digits);
    }
    return text;
}

// A to Z, then AA to ZZ, AAA..., as PDF readers count with letters.
QString letters(long long number)
{
    if (number > 26 * 200)
        return QString::number(number);
    const QChar letter(char16_t(u'A' + (number - 1) % 26));
    return QString(int((number - 1) / 26 + 1), letter);
}

QString textOf(QPDFObjectHandle value)
{
    return value.isString() ? QString::fromStdString(value.getUTF8Value()) : QString();
}

} // namespace

QString PageLabelReader::format(const QString &style, const QString &prefix, long long number)
{
    if (style.isEmpty() || !QStringLiteral("DRrAa").contains(style) || style.size() != 1)
        return prefix;
    if (number < 1 || style == QLatin1String("D"))
        return prefix + QString::number(number);
    if (style == QLatin1String("R"))
        return prefix + roman(number);
    if (style == QLatin1String("r"))
        return prefix + roman(number).toLower();
    if (style == QLatin1String("A"))
        return prefix + letters(number);
    return prefix + letters(number).toLower();
}

QStringList PageLabelReader::read(QPDF &pdf)
{
    const long long count = static_cast<long long>(pdf.getAllPages().size());
    QStringList labels;
    labels.reserve(int(count));
    QPDFPageLabelDocumentHelper helper(pdf);
    if (!helper.hasPageLabels()) {
        for (long long i = 0; i < count; ++i)
            labels.append(QString());
        return labels;
    }
    for (long long i = 0; i < count; ++i) {
        QPDFObjectHandle label = helper.getLabelForPage(i);
        if (!label.isDictionary()) {
            labels.append(QString());
            continue;
        }
        QPDFObjectHandle style = label.getKey("/S");
        QPDFObjectHandle start = label.getKey("/St");
        labels.append(format(style.isName() ? QString::fromStdString(style.getName()).mid(1) : QString(),
                             textOf(label.getKey("/P")), start.isInteger() ? start.getIntValue() : 1));
    }
    return labels;
}
