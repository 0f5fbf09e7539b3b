#include "TestPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Entry {
    QString context;
    QString source;
    QString comment;
    QString type;             // "", "unfinished", "vanished", "obsolete"
    QStringList translations; // one, or one per plural form
    bool numerus = false;

    QString key() const { return context + QLatin1Char('\x1f') + source + QLatin1Char('\x1f') + comment; }
    QString label() const
    {
        return QStringLiteral("%1: \"%2\"%3").arg(context, source,
                                                  comment.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(comment));
    }
};

// All messages of a Qt Linguist file; an unreadable file gives an empty list
// and the reason in *error.
QList<Entry> readTs(const QString &path, QString *error)
{
    QList<Entry> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return entries;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Entry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message"))
                entries.append(entry);
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            entry = Entry();
            entry.context = context;
            entry.numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            entry.source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            entry.comment = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            entry.type = xml.attributes().value(QLatin1String("type")).toString();
            if (!entry.numerus)
                entry.translations << xml.readElementText();
        } else if (name == QLatin1String("numerusform")) {
            entry.translations << xml.readElementText();
        }
    }
    if (xml.hasError())
        *error = QStringLiteral("%1: %2 at line %3").arg(path, xml.errorString()).arg(xml.lineNumber());
    return entries;
}

QStringList shippedLanguageFiles()
{
    return QDir(TestPaths::sourceDir() + QStringLiteral("/resources/translations"))
        .entryList({QStringLiteral("leafcut_*.ts")}, QDir::Files, QDir::Name);
}

QString languageCode(const QString &tsFileName)
{
    return tsFileName.mid(QStringLiteral("leafcut_").size()).chopped(3);
}

} // namespace

// The built translations beside the program: each names its language as
// the settings list shows it, and carries every text of its source.
// (Whether every text is translated, in every language, is checked by
// scripts/check-translations.sh in .ci/run.)
class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void shippedFiles_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &file : shippedLanguageFiles())
            QTest::newRow(qPrintable(file)) << file;
    }

    void languageNamesItself_data() { shippedFiles_data(); }

    // The settings list shows each language by this translation; it must be
    // the language's own name for itself, as the locale data spells it.
    void languageNamesItself()
    {
        QFETCH(QString, file);
        const QString code = languageCode(file);
        const QString qm = TestPaths::binDir() + QStringLiteral("/translations/leafcut_%1.qm").arg(code);
        QTranslator translator;
        QVERIFY2(translator.load(qm), qPrintable(QStringLiteral("not built: ") + qm));
        const QString name = translator.translate("SettingsView", "English");
        QVERIFY2(!name.isEmpty(), qPrintable(file + QStringLiteral(" does not name its language")));
        const QString native = QLocale(code).nativeLanguageName();
        // The locale may qualify the name by a country ("español de España",
        // "American English"); the plain language name is one end of it.
        QVERIFY2(native.compare(name, Qt::CaseInsensitive) == 0
                     || native.startsWith(name + QLatin1Char(' '), Qt::CaseInsensitive)
                     || native.endsWith(QLatin1Char(' ') + name, Qt::CaseInsensitive),
                 qPrintable(QStringLiteral("%1 names itself \"%2\", its language is \"%3\"").arg(file, name, native)));
        QVERIFY2(name.at(0).isUpper(), qPrintable(name + QStringLiteral(" should start with a capital in the list")));
    }

    // The compiled file beside the program carries every text of its source.
    void compiledFileMatchesSource_data() { shippedFiles_data(); }

    void compiledFileMatchesSource()
    {
        QFETCH(QString, file);
        const QString qm = TestPaths::binDir() + QStringLiteral("/translations/leafcut_%1.qm").arg(languageCode(file));
        QTranslator translator;
        QVERIFY(translator.load(qm));
        QString error;
        for (const Entry &entry : readTs(TestPaths::sourceDir() + QStringLiteral("/resources/translations/") + file, &error)) {
            if (!entry.type.isEmpty() || entry.numerus)
                continue;
            const QByteArray context = entry.context.toUtf8();
            const QByteArray source = entry.source.toUtf8();
            const QByteArray comment = entry.comment.toUtf8();
            const QString got = translator.translate(context.constData(), source.constData(),
                                                     comment.isEmpty() ? nullptr : comment.constData());
            QVERIFY2(got == entry.translations.value(0),
                     qPrintable(QStringLiteral("%1 in %2 is \"%3\" in the built file").arg(entry.label(), qm, got)));
        }
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
