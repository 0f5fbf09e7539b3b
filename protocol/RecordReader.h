#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// Reads the fields of one record of the worker protocol (a request, a
// response, or an entry inside one), with the one policy every record
// follows: an absent key (or null) gives the field's default (empty, 0,
// false, no entries); a value of the wrong type also gives the default and
// is noted as a problem that names the key, so that whoever reads a request
// can refuse it whole (WorkerCode::RequestInvalid) rather than act on a
// guess. A new field is one more call, with its type in the call's name.
class RecordReader
{
public:
    // problems: where problems are appended; may be null (problems are then
    // only dropped, never guessed away). where: how messages name this record
    // inside a larger one ("tasks[2]"); empty for a whole record.
    RecordReader(const QJsonObject &object, QStringList *problems, const QString &where = QString());

    // A string.
    QString text(const QString &key) const;
    // A whole number that fits an int.
    int number(const QString &key) const;
    // true or false.
    bool flag(const QString &key) const;
    // An array of strings.
    QStringList texts(const QString &key) const;
    // An array of objects, each read by a reader of its own (named
    // "key[index]"). More than maxCount entries is a problem, and none is read.
    QList<RecordReader> records(const QString &key, int maxCount) const;

    // Whether the key is present with a value other than null.
    bool has(const QString &key) const;
    // Problems noted so far (by this reader and every other on the same list).
    QStringList problems() const { return m_problems ? *m_problems : QStringList(); }

private:
    QJsonValue present(const QString &key) const;
    void complain(const QString &key, const QString &expected) const;

    QJsonObject m_object;
    QStringList *m_problems;
    QString m_where;
};
