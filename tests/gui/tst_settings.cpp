#include "app/AppSettings.h"
#include "app/Application.h"
#include "shell/SaveFolderDelegate.h"
#include "shell/SaveFolderModel.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QtTest>

namespace {

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

};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestSettings test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_settings.moc"
