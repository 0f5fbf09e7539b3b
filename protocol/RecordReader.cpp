#include "protocol/RecordReader.h"

#include <QJsonArray>

#include <cmath>
#include <limits>

RecordReader::RecordReader(const QJsonObject &object, QStringList *problems, const QString &where)
    : m_object(object)
    , m_problems(problems)
    , m_where(where)
{
}

QJsonValue RecordReader::present(const QString &key) const
{
    const QJsonValue value = m_object.value(key);
    return value.isNull() ? QJsonValue(QJsonValue::Undefined) : value;
}

bool RecordReader::has(const QString &key) const
{
    return !present(key).isUndefined();
}

void RecordReader::complain(const QString &key, const QString &expected) const
{
    if (!m_problems)
        return;
    const QString name = m_where.isEmpty() ? key : m_where + QLatin1Char('.') + key;
    m_problems->append(QStringLiteral("\"%1\" is not %2").arg(name, expected));
}

QString RecordReader::text(const QString &key) const
{
    const QJsonValue value = present(key);
    if (value.isUndefined())
        return QString();
    if (!value.isString()) {
        complain(key, QStringLiteral("a string"));
        return QString();
    }
    return value.toString();
}

int RecordReader::number(const QString &key) const
{
    const QJsonValue value = present(key);
    if (value.isUndefined())
        return 0;
    const double number = value.toDouble();
    const bool whole = value.isDouble() && std::isfinite(number) && std::floor(number) == number
        && number >= double(std::numeric_limits<int>::min()) && number <= double(std::numeric_limits<int>::max());
    if (!whole) {
        complain(key, QStringLiteral("a whole number in range"));
        return 0;
    }
    return int(number);
}

bool RecordReader::flag(const QString &key) const
{
    const QJsonValue value = present(key);
    if (value.isUndefined())
        return false;
    if (!value.isBool()) {
        complain(key, QStringLiteral("true or false"));
        return false;
    }
    return value.toBool();
}

QStringList RecordReader::texts(const QString &key) const
{
    const QJsonValue value = present(key);
    if (value.isUndefined())
        return {};
    if (!value.isArray()) {
        complain(key, QStringLiteral("an array of strings"));
        return {};
    }
    QStringList result;
    for (const QJsonValue &entry : value.toArray()) {
        if (!entry.isString()) {
            complain(key, QStringLiteral("an array of strings"));
            return {};
        }
        result << entry.toString();
    }
    return result;
}

QList<RecordReader> RecordReader::records(const QString &key, int maxCount) const
{
    const QJsonValue value = present(key);
    if (value.isUndefined())
        return {};
    if (!value.isArray()) {
        complain(key, QStringLiteral("an array of objects"));
        return {};
    }
    const QJsonArray array = value.toArray();
    if (array.size() > maxCount) {
        complain(key, QStringLiteral("an array of at most %1 entries").arg(maxCount));
        return {};
    }
    QList<RecordReader> result;
    for (int i = 0; i < array.size(); ++i) {
        const QString name = QStringLiteral("%1[%2]").arg(key).arg(i);
        if (!array.at(i).isObject()) {
            complain(name, QStringLiteral("an object"));
            continue;
        }
        result.append(RecordReader(array.at(i).toObject(), m_problems,
                                   m_where.isEmpty() ? name : m_where + QLatin1Char('.') + name));
    }
    return result;
}
