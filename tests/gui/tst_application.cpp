#include "TestPaths.h"
#include "app/AppSettings.h"
#include "app/Application.h"

#include <QGraphicsDropShadowEffect>
#include <QLibraryInfo>
#include <QtTest>

// Application is a QApplication: one per process, built by hand here.
class TestApplication : public QObject
{
    Q_OBJECT
private slots:
    void firstStartDefaults()
    {
        QFile::remove(AppSettings::open()->fileName());
        QCOMPARE(AppSettings::language(), QLocale::system().name().left(2));
        QCOMPARE(AppSettings::publisher(), QStringLiteral("Pinecone Sheafwright"));
        QCOMPARE(AppSettings::saveMode(), 0);
        // The desktop folder only where one exists (a fresh profile often has
        // none), else the home folder: never a folder that is not there.
        const QString desktopPath = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        QDir(desktopPath).removeRecursively();
        QCOMPARE(AppSettings::desktopFolder(), QDir::homePath());
        QVERIFY(QDir().mkpath(desktopPath));
        QCOMPARE(AppSettings::desktopFolder(), desktopPath);
        QVERIFY(QDir(desktopPath).removeRecursively());
        const QString desktop = QDir::homePath();
        QCOMPARE(AppSettings::savePath(), desktop);
        QCOMPARE(AppSettings::lastSelectFolder(), desktop);
        QCOMPARE(AppSettings::mergeLastSaveFolder(), desktop);
    }

    void settingsFileIdentity()
    {
        const QString file = qApp->property("settingsFile").toString();
        QVERIFY(file.endsWith(QStringLiteral("Pinecone/Pinecone Sheafwright.ini")));
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Pinecone Sheafwright"));
        QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Pinecone"));
        QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("2.0.10"));
    }

    void emptyLanguageMeansSystem()
    {
        AppSettings::open()->setValue(QStringLiteral("Language"), QString());
        QCOMPARE(AppSettings::language(), QLocale::system().name().left(2));
        AppSettings::open()->setValue(QStringLiteral("Language"), QStringLiteral("fr"));
        QCOMPARE(AppSettings::language(), QStringLiteral("fr"));
        QSettings raw(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Pinecone"), QStringLiteral("Pinecone Sheafwright"));
        raw.beginGroup(QStringLiteral("SaveMode"));
        raw.setValue(QStringLiteral("Mode"), 2);
        raw.setValue(QStringLiteral("Path"), QStringLiteral("/tmp/out"));
        raw.endGroup();
        raw.sync();
        QCOMPARE(AppSettings::saveMode(), 2);
        QCOMPARE(AppSettings::savePath(), QStringLiteral("/tmp/out"));
    }

    void translationLoadsAndFallsBack()
    {
        auto *app = Application::instance();
        QVERIFY(app->loadLanguage(QStringLiteral("de")));
        QCOMPARE(QCoreApplication::translate("SettingsView", "English"), QStringLiteral("Deutsch"));
        QVERIFY(app->loadLanguage(QStringLiteral("fr")));
        QCOMPARE(QCoreApplication::translate("SettingsView", "English"), QStringLiteral("Français"));
        // No file for this code: the proofread English of the sources.
        QVERIFY(!app->loadLanguage(QStringLiteral("xx")));
        QCOMPARE(QCoreApplication::translate("SettingsView", "English"), QStringLiteral("English"));
        QCOMPARE(QCoreApplication::translate("SplitView", "Every page will be splited to isolated file..."),
                 QStringLiteral("Every page will be saved as a file of its own."));
    }

    // Qt's own dialogs (the file chooser's "Look in:", its buttons) speak the
    // chosen language too.
    void qtsOwnTextsFollowTheLanguage()
    {
        auto *app = Application::instance();
        const QString qtFile = QLibraryInfo::location(QLibraryInfo::TranslationsPath) + QStringLiteral("/qt_de.qm");
        QVERIFY2(QFile::exists(qtFile), qPrintable(qtFile + QStringLiteral(" is missing: install qttranslations5-l10n")));
        QVERIFY(app->loadLanguage(QStringLiteral("de")));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
        QVERIFY(app->loadLanguage(QStringLiteral("fr")));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Voir dans :"));
        QVERIFY(app->loadLanguage(QStringLiteral("en")));
        QCOMPARE(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Look in:"));
    }

    void reloadSettingsSignals()
    {
        auto *app = Application::instance();
        AppSettings::open()->setValue(QStringLiteral("Language"), QStringLiteral("de"));
        QSignalSpy spy(app, &Application::settingsChanged);
        app->reloadSettings();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(QCoreApplication::translate("SettingsView", "English"), QStringLiteral("Deutsch"));
    }

    void styleSheetApplied()
    {
        QFile css(QStringLiteral(":/style/style.css"));
        QVERIFY(css.open(QIODevice::ReadOnly));
        QCOMPARE(qApp->styleSheet(), QString::fromUtf8(css.readAll()));
    }

    void controllersLiveWithTheApplication()
    {
        auto *app = Application::instance();
        QVERIFY(app->split());
        QVERIFY(app->merge());
        QCOMPARE(app->split(), app->split());
        QCOMPARE(app->merge()->model(), app->merge()->model());
        QVERIFY(app->merge()->model()->isEmpty());
        QCOMPARE(app->split()->pageCount(), -1);
        // Both controllers read documents through the application's service.
        QVERIFY(app->pdfService());
        QVERIFY(app->pdfService().use_count() >= 4);
    }

    void dropShadow()
    {
        QWidget dialog;
        QWidget *frame = new QWidget(&dialog);
        applyDropShadow(&dialog, frame);
        QVERIFY(dialog.testAttribute(Qt::WA_TranslucentBackground));
        auto *effect = qobject_cast<QGraphicsDropShadowEffect *>(frame->graphicsEffect());
        QVERIFY(effect);
        QCOMPARE(effect->blurRadius(), 20.0);
        QCOMPARE(effect->offset(), QPointF(0, 0));
    }
};

int main(int argc, char **argv)
{
    // The program's translations folder sits beside the program, not the test.
    Application app(argc, argv);
    app.setProperty("settingsFile", AppSettings::open()->fileName());
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_application.moc"
