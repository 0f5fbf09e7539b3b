#include "TestPaths.h"
#include "app/AppSettings.h"
#include "app/Application.h"
#include "shell/SaveFolderDelegate.h"
#include "shell/SaveFolderModel.h"
#include "shell/SettingsView.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// Runs answer on the next modal dialog as soon as it is up (polling, since the
// dialog opens inside the call under test).
void answerNextModal(std::function<void(QWidget *)> answer, int attemptsLeft = 200)
{
    QTimer::singleShot(10, [answer, attemptsLeft]() {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            answer(modal);
            return;
        }
        if (attemptsLeft > 0)
            answerNextModal(answer, attemptsLeft - 1);
    });
}

QString storedValue(const QString &key)
{
    return AppSettings::open()->value(key).toString();
}

void removeSettingsFile()
{
    QFile::remove(AppSettings::open()->fileName());
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        removeSettingsFile();
        Application::instance()->loadLanguage(QStringLiteral("en"));
    }

    // --- save-folder model ---------------------------------------------------

    void saveFolderModelRows()
    {
        SaveFolderModel model;
        QCOMPARE(model.rowCount(), 3);
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Sub folder"));
        QCOMPARE(model.index(0, 1).data().toString(), QStringLiteral("Sub folder"));
        QCOMPARE(model.index(1, 0).data().toString(), QStringLiteral("Original folder"));
        QCOMPARE(model.index(2, 0).data().toString(), AppSettings::desktopFolder());
        QCOMPARE(model.index(2, 1).data().toString(), QStringLiteral("Select folder..."));
        for (int row = 0; row < 3; ++row)
            QCOMPARE(model.index(row, 2).data().toInt(), row);
        QVERIFY(!model.index(0, 0).data(Qt::DecorationRole).isValid());
        QCOMPARE(model.index(2, 0).data(Qt::EditRole).toString(), AppSettings::desktopFolder());
    }

    void saveFolderModelAcceptsOnlyTheFolderCell()
    {
        SaveFolderModel model;
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        QVERIFY(!model.setData(model.index(0, 0), QStringLiteral("/x"), Qt::EditRole));
        QVERIFY(!model.setData(model.index(2, 1), QStringLiteral("/x"), Qt::EditRole));
        QVERIFY(!model.setData(model.index(2, 0), QStringLiteral("/x"), Qt::DisplayRole));
        QCOMPARE(changed.count(), 0);
        QVERIFY(model.setData(model.index(2, 0), QStringLiteral("/srv/out"), Qt::EditRole));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().at(0).toModelIndex(), model.index(2, 0));
        QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("/srv/out"));
        model.reset();
        QCOMPARE(model.customFolder(), AppSettings::desktopFolder());
    }

    void saveFolderDelegateShowsDescriptions()
    {
        SaveFolderModel model;
        model.setData(model.index(2, 0), QStringLiteral("/srv/out"), Qt::EditRole);
        QCOMPARE(SaveFolderDelegate::listText(model.index(2, 0)), QStringLiteral("Select folder..."));
        QCOMPARE(SaveFolderDelegate::listText(model.index(1, 0)), QStringLiteral("Original folder"));
        // The closed box shows column 0: the chosen path.
        QComboBox box;
        box.setModel(&model);
        box.setCurrentIndex(2);
        QCOMPARE(box.currentText(), QStringLiteral("/srv/out"));
    }

    // --- settings panel ------------------------------------------------------

    void settingsDefaultsOnFirstStart()
    {
        SettingsView view;
        view.show();
        QCOMPARE(view.saveToBox()->currentIndex(), 0);
        QCOMPARE(view.publisherEdit()->text(), QStringLiteral("Pinecone Sheafwright"));
        // The system's language when a translation exists for it, else English.
        const int system = view.languageBox()->findData(AppSettings::systemLanguage());
        const int expected = system >= 0 ? system : view.languageBox()->findData(QStringLiteral("en"));
        QVERIFY(expected >= 0);
        QCOMPARE(view.languageBox()->currentIndex(), expected);
    }

    void languageListComesFromTranslationFiles()
    {
        SettingsView view;
        QComboBox *box = view.languageBox();
        const QStringList files = QDir(Application::instance()->translationsDirectory())
                                      .entryList({QStringLiteral("leafcut_*.qm")}, QDir::Files);
        QCOMPARE(box->count(), files.size());
        const int german = box->findData(QStringLiteral("de"));
        QVERIFY(german >= 0);
        QCOMPARE(box->itemText(german), QStringLiteral("Deutsch"));
        const int french = box->findData(QStringLiteral("fr"));
        QVERIFY(french >= 0);
        QCOMPARE(box->itemText(french), QStringLiteral("Français"));

        QTemporaryDir empty;
        QVERIFY(SettingsView::availableLanguages(empty.path()).isEmpty());
    }

    void saveAndLoadRoundTrip()
    {
        {
            SettingsView view;
            view.show();
            QSignalSpy hide(&view, &SettingsView::onHideWindow);
            view.saveToBox()->setCurrentIndex(1);
            view.onChangeSaveMode(1);
            view.languageBox()->setCurrentIndex(view.languageBox()->findData(QStringLiteral("fr")));
            view.publisherEdit()->setText(QStringLiteral("Atelier Quire"));
            view.saveSettings();
            QCOMPARE(hide.count(), 1);
        }
        auto settings = AppSettings::open();
        QCOMPARE(settings->value(QStringLiteral("SaveMode/Mode")).toInt(), 1);
        QVERIFY(settings->contains(QStringLiteral("SaveMode/Path")));
        QCOMPARE(settings->value(QStringLiteral("SaveMode/Path")).toString(), QString());
        QCOMPARE(settings->value(QStringLiteral("Language")).toString(), QStringLiteral("fr"));
        QCOMPARE(settings->value(QStringLiteral("Publisher")).toString(), QStringLiteral("Atelier Quire"));
        // Saving reloaded the translation at once.
        QCOMPARE(QCoreApplication::translate("SettingsView", "English"), QStringLiteral("Français"));

        SettingsView again;
        again.show();
        QCOMPARE(again.saveToBox()->currentIndex(), 1);
        QCOMPARE(again.languageBox()->currentData().toString(), QStringLiteral("fr"));
        QCOMPARE(again.publisherEdit()->text(), QStringLiteral("Atelier Quire"));
    }

    void chosenFolderIsSavedAndReloaded()
    {
        QTemporaryDir folder;
        SettingsView view;
        view.show();
        answerNextModal([&folder](QWidget *modal) {
            auto *dialog = qobject_cast<QFileDialog *>(modal);
            QVERIFY(dialog);
            dialog->setDirectory(folder.path());
            dialog->selectFile(folder.path());
            static_cast<QDialog *>(dialog)->accept();
        });
        view.saveToBox()->setCurrentIndex(2);
        view.onChangeSaveMode(2);
        QCOMPARE(QDir(view.saveFolderModel()->customFolder()).canonicalPath(), QDir(folder.path()).canonicalPath());
        QCOMPARE(view.saveToBox()->currentIndex(), 2);
        view.saveSettings();
        QCOMPARE(QDir(AppSettings::savePath()).canonicalPath(), QDir(folder.path()).canonicalPath());
        QCOMPARE(AppSettings::saveMode(), 2);

        SettingsView again;
        again.show();
        QCOMPARE(again.saveToBox()->currentIndex(), 2);
        QCOMPARE(QDir(again.saveToBox()->currentText()).canonicalPath(), QDir(folder.path()).canonicalPath());
    }

    void cancelledFolderChoiceKeepsPreviousEntry()
    {
        SettingsView view;
        view.show();
        view.saveToBox()->setCurrentIndex(1);
        view.onChangeSaveMode(1);
        const QString before = view.saveFolderModel()->customFolder();
        answerNextModal([](QWidget *modal) {
            QVERIFY(qobject_cast<QFileDialog *>(modal));
            static_cast<QDialog *>(modal)->reject();
        });
        view.saveToBox()->setCurrentIndex(2);
        view.onChangeSaveMode(2);
        QCOMPARE(view.saveToBox()->currentIndex(), 1);
        QCOMPARE(view.saveFolderModel()->customFolder(), before);
        view.saveSettings();
        QCOMPARE(AppSettings::saveMode(), 1);
    }

    void closingDiscardsEdits()
    {
        AppSettings::open()->setValue(QStringLiteral("Publisher"), QStringLiteral("Stored Name"));
        SettingsView view;
        view.show();
        QCOMPARE(view.publisherEdit()->text(), QStringLiteral("Stored Name"));
        QSignalSpy hide(&view, &SettingsView::onHideWindow);
        view.publisherEdit()->setText(QStringLiteral("Edited"));
        view.findChild<QAbstractButton *>(QStringLiteral("buttonCancel"))->click();
        QCOMPARE(hide.count(), 1);
        view.hide();
        view.show();
        QCOMPARE(view.publisherEdit()->text(), QStringLiteral("Stored Name"));

        QTest::keyClick(&view, Qt::Key_Escape);
        QCOMPARE(hide.count(), 2);
        QCOMPARE(storedValue(QStringLiteral("Publisher")), QStringLiteral("Stored Name"));
    }

    void unknownStoredLanguageSelectsEnglish()
    {
        AppSettings::open()->setValue(QStringLiteral("Language"), QStringLiteral("DE"));
        SettingsView view;
        view.show();
        // Codes match exactly, case included; without a match the texts are
        // English, and so is the entry offered.
        QCOMPARE(view.languageBox()->currentData().toString(), QStringLiteral("en"));

        SettingsView withoutEnglish;
        withoutEnglish.languageBox()->removeItem(withoutEnglish.languageBox()->findData(QStringLiteral("en")));
        withoutEnglish.loadSettings();
        QCOMPARE(withoutEnglish.languageBox()->currentIndex(), 0);
    }

};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_settings.moc"
