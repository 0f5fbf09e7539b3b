#include "TestPdf.h"
#include "merge/IPasswordPrompt.h"
#include "merge/MergeModel.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

MergeItem makeItem(const QString &name, int pages, bool hasPassword = false,
                   const QString &password = QString())
{
    MergeItem item;
    item.fileName = name;
    item.fullPath = QStringLiteral("/docs/") + name;
    item.pageCount = pages;
    item.hasPassword = hasPassword;
    item.password = password;
    return item;
}

// Answers password questions from a script and records what was asked.
class ScriptedPrompt : public IPasswordPrompt
{
public:
    struct Step
    {
        Answer answer;
        QString password;
    };
    QList<Step> script;
    QStringList asked;
    QStringList messages;

    Answer askPassword(const QString &fileName, QString &password) override
    {
        asked << fileName;
        if (script.isEmpty())
            return Answer::Skip;
        const Step step = script.takeFirst();
        password = step.password;
        return step.answer;
    }
    void showMessage(const QString &caption, const QString &text) override
    {
        messages << caption + QLatin1Char('/') + text;
    }
};

QStringList names(const MergeModel &model)
{
    QStringList result;
    for (int row = 0; row < model.count(); ++row)
        result << model.item(row).fileName;
    return result;
}

std::unique_ptr<QMimeData> dragPayload(const MergeModel &model, int row)
{
    QModelIndexList indexes;
    for (int column = 0; column < model.columnCount(); ++column)
        indexes << model.index(row, column);
    return std::unique_ptr<QMimeData>(model.mimeData(indexes));
}

} // namespace

class TestMergeModel : public QObject
{
    Q_OBJECT

    MergeModel *model = nullptr;

    void fill(const QStringList &fileNames)
    {
        MergeItemList items;
        int pages = 1;
        for (const QString &name : fileNames)
            items << makeItem(name, pages++);
        model->addItems(items);
    }

    bool dropRowOnto(int source, int target)
    {
        auto payload = dragPayload(*model, source);
        return model->dropMimeData(payload.get(), Qt::MoveAction, -1, -1, model->index(target, 0));
    }

private slots:
    void init() { model = new MergeModel(); }
    void cleanup() { delete model; }

    void tableShape()
    {
        fill({"a.pdf", "b.pdf"});
        QCOMPARE(model->columnCount(), 6);
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Filename"));
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Pages"));
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Password"));
        for (int section : {0, 4, 5})
            QVERIFY(!model->headerData(section, Qt::Horizontal).isValid());
        QCOMPARE(model->headerData(1, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), 0x81);
        QVERIFY(!model->headerData(2, Qt::Horizontal, Qt::TextAlignmentRole).isValid());
        QVERIFY(!model->headerData(1, Qt::Vertical).isValid());

        QCOMPARE(model->index(1, 0).data().toInt(), 2);
        QCOMPARE(model->index(1, 1).data().toString(), QStringLiteral("b.pdf"));
        QCOMPARE(model->index(1, 2).data().toInt(), 2);
        QVERIFY(!model->index(1, 3).data().isValid());
        QCOMPARE(model->index(1, 4).data().toString(), QStringLiteral("Preview"));
        QCOMPARE(model->index(1, 5).data().toString(), QStringLiteral("Remove"));
        QCOMPARE(model->index(0, 0).data(Qt::TextAlignmentRole).toInt(), 0x84);
        QCOMPARE(model->index(0, 2).data(Qt::TextAlignmentRole).toInt(), 0x84);
        QVERIFY(!model->index(0, 1).data(Qt::TextAlignmentRole).isValid());
    }

    void itemRoles()
    {
        MergeItem item = makeItem(QStringLiteral("x.pdf"), 3, true, QStringLiteral("pw"));
        item.hasSecurity = true;
        model->addItems({item});
        const QModelIndex index = model->index(0, 3);
        QCOMPARE(MergeModel::FullPathRole, 257);
        QCOMPARE(MergeModel::FillerRowRole, 261);
        QCOMPARE(index.data(257).toString(), QStringLiteral("/docs/x.pdf"));
        QCOMPARE(index.data(258).toBool(), true);
        QCOMPARE(index.data(259).toString(), QStringLiteral("pw"));
        QCOMPARE(index.data(260).toBool(), true);
        QCOMPARE(index.data(261).toBool(), false);
        QVERIFY(!QModelIndex().data(MergeModel::FullPathRole).isValid());
    }

    void unreadableItemShowsQuestionMarkAndAddsNoPages()
    {
        model->addItems({makeItem("a.pdf", 4), makeItem("broken.pdf", 0), makeItem("c.pdf", 6)});
        QCOMPARE(model->index(1, 2).data().toString(), QStringLiteral("?"));
        QCOMPARE(model->totalPages(), 10);
    }

    // An unreadable file repaired into a copy: the item stands for the copy
    // (same name, its pages counted), which goes when the item goes; the
    // original is not touched. One nothing can be made of stays unreadable.
    void unreadableItemIsRepairedIntoACopy()
    {
        QTemporaryDir folder;
        const QString damaged = folder.filePath(QStringLiteral("no-trailer.pdf"));
        QVERIFY(TestPdf::writeNumberedWithoutTrailer(damaged, 3));
        const QString junk = folder.filePath(QStringLiteral("junk.pdf"));
        QFile file(junk);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(2048, 'x'));
        file.close();
        const qint64 size = QFileInfo(damaged).size();
        MergeItem broken = makeItem("no-trailer.pdf", 0);
        broken.fullPath = damaged;
        MergeItem hopeless = makeItem("junk.pdf", 0);
        hopeless.fullPath = junk;
        model->addItems({makeItem("a.pdf", 4), broken, hopeless});
        QSignalSpy repaired(model, &MergeModel::repairFinished);

        model->repairItem(1);
        QVERIFY(repaired.wait(20000));
        QCOMPARE(repaired.takeFirst(), (QVariantList{QStringLiteral("no-trailer.pdf"), 3}));
        const MergeItem copy = model->item(1);
        QVERIFY(copy.fullPath != damaged);
        QCOMPARE(QFileInfo(copy.fullPath).fileName(), QStringLiteral("no-trailer.pdf"));
        QCOMPARE(TestPdf::pageWidths(copy.fullPath), (QList<int>{201, 202, 203}));
        QCOMPARE(copy.pageCount, 3);
        QCOMPARE(model->totalPages(), 7);
        QCOMPARE(QFileInfo(damaged).size(), size);

        model->repairItem(2);
        QVERIFY(repaired.wait(20000));
        QCOMPARE(repaired.takeFirst(), (QVariantList{QStringLiteral("junk.pdf"), 0}));
        QVERIFY(model->item(2).isUnreadable());
        QCOMPARE(model->item(2).fullPath, junk);

        model->removeItem(1);
        QVERIFY(!QFileInfo::exists(copy.fullPath));
        QVERIFY(QFileInfo::exists(damaged));
    }

    void flagsAndDragFacts()
    {
        fill({"a.pdf"});
        const Qt::ItemFlags rowFlags = model->flags(model->index(0, 2));
        QVERIFY(rowFlags & Qt::ItemIsDragEnabled);
        QVERIFY(rowFlags & Qt::ItemIsDropEnabled);
        QVERIFY(rowFlags & Qt::ItemIsSelectable);
        QCOMPARE(model->flags(QModelIndex()), Qt::ItemFlags(Qt::ItemIsDropEnabled));
        QCOMPARE(int(model->supportedDropActions()), 0x8003);
        QCOMPARE(model->mimeTypes(), QStringList{"application/vnd.text.list"});
    }

    void dragPayloadNamesTheRowOncePerCell()
    {
        fill({"a.pdf", "b.pdf", "c.pdf"});
        auto payload = dragPayload(*model, 2);
        QCOMPARE(payload->data("application/vnd.text.list"), QByteArray("2|2|2|2|2|2|"));
        std::unique_ptr<QMimeData> mixed(model->mimeData({QModelIndex(), model->index(1, 0)}));
        QCOMPARE(mixed->data("application/vnd.text.list"), QByteArray("1|"));
    }

    void dropMovesRows_data()
    {
        QTest::addColumn<int>("source");
        QTest::addColumn<int>("target");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("order");
        QTest::addColumn<int>("movedTo");
        QTest::newRow("onto the row below: no change") << 0 << 1 << false << "0123" << -1;
        QTest::newRow("onto itself") << 2 << 2 << false << "0123" << -1;
        QTest::newRow("two down: swap") << 0 << 2 << true << "1023" << 1;
        QTest::newRow("three down") << 0 << 3 << true << "1203" << 2;
        QTest::newRow("up two") << 3 << 1 << true << "0312" << 1;
        QTest::newRow("up one") << 2 << 1 << true << "0213" << 1;
        QTest::newRow("to the top") << 3 << 0 << true << "3012" << 0;
    }
    void dropMovesRows()
    {
        QFETCH(int, source);
        QFETCH(int, target);
        QFETCH(bool, accepted);
        QFETCH(QString, order);
        QFETCH(int, movedTo);
        fill({"0", "1", "2", "3"});
        QSignalSpy moved(model, &MergeModel::rowMoved);
        QCOMPARE(dropRowOnto(source, target), accepted);
        QCOMPARE(names(*model).join(QString()), order);
        QCOMPARE(model->count(), 4);
        if (movedTo < 0) {
            QCOMPARE(moved.count(), 0);
        } else {
            QCOMPARE(moved.count(), 1);
            QCOMPARE(moved.first().first().toInt(), movedTo);
        }
    }

    void longMoveIsAnnouncedAsARowMove()
    {
        fill({"0", "1", "2", "3"});
        QSignalSpy changed(model, &MergeModel::changed);
        QSignalSpy rowsMoved(model, &QAbstractItemModel::rowsMoved);
        QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
        QVERIFY(dropRowOnto(3, 1));
        QCOMPARE(rowsMoved.count(), 1);
        QCOMPARE(rowsMoved.first().at(1).toInt(), 3); // source row
        QCOMPARE(rowsMoved.first().at(4).toInt(), 1); // destination
        QCOMPARE(changed.count(), 0);
        QCOMPARE(removed.count(), 0);
    }

    void adjacentMoveIsASwapOfValues()
    {
        fill({"0", "1", "2"});
        QSignalSpy changed(model, &MergeModel::changed);
        QSignalSpy cells(model, &QAbstractItemModel::dataChanged);
        QVERIFY(dropRowOnto(0, 2));
        QCOMPARE(changed.count(), 2);
        QCOMPARE(cells.count(), 2);
        QCOMPARE(model->item(0).pageCount, 2); // the whole record travels
        QCOMPARE(model->item(1).fullPath, QStringLiteral("/docs/0"));
    }

    void refusedDrops()
    {
        fill({"0", "1", "2"});
        QSignalSpy moved(model, &MergeModel::rowMoved);
        QSignalSpy reset(model, &QAbstractItemModel::modelAboutToBeReset);

        // Below the last row: the view passes an invalid parent.
        auto payload = dragPayload(*model, 0);
        QVERIFY(!model->dropMimeData(payload.get(), Qt::MoveAction, 3, 0, QModelIndex()));
        QVERIFY(!model->dropMimeData(payload.get(), Qt::MoveAction, -1, -1, QModelIndex()));

        QMimeData foreign;
        foreign.setText(QStringLiteral("0|"));
        QVERIFY(!model->dropMimeData(&foreign, Qt::MoveAction, -1, -1, model->index(2, 0)));

        QMimeData empty;
        empty.setData("application/vnd.text.list", QByteArray());
        QVERIFY(!model->dropMimeData(&empty, Qt::MoveAction, -1, -1, model->index(2, 0)));

        // Rows that are not in this list must never reach the list.
        for (const QByteArray &bad : {QByteArray("7|7|"), QByteArray("-1|"), QByteArray("x|"), QByteArray("|")}) {
            QMimeData stale;
            stale.setData("application/vnd.text.list", bad);
            QVERIFY2(!model->dropMimeData(&stale, Qt::MoveAction, -1, -1, model->index(2, 0)), bad.constData());
        }

        // Ignore is accepted without doing anything.
        QVERIFY(model->dropMimeData(payload.get(), Qt::IgnoreAction, -1, -1, model->index(2, 0)));

        QCOMPARE(names(*model), (QStringList{"0", "1", "2"}));
        QCOMPARE(moved.count(), 0);
        QCOMPARE(reset.count(), 0);
    }

    void dropFromAnotherModelIsRefused()
    {
        fill({"0", "1", "2"});
        MergeModel other;
        other.addItems({makeItem("x", 1), makeItem("y", 1), makeItem("z", 1)});
        auto payload = dragPayload(*model, 0);
        QVERIFY(!model->dropMimeData(payload.get(), Qt::MoveAction, -1, -1, other.index(2, 0)));
        QCOMPARE(names(*model), (QStringList{"0", "1", "2"}));
    }

    void removeRows()
    {
        fill({"0", "1", "2", "3"});
        QSignalSpy changed(model, &MergeModel::changed);
        QSignalSpy removed(model, &QAbstractItemModel::rowsRemoved);
        QVERIFY(model->removeRows(1, 2));
        QCOMPARE(names(*model), (QStringList{"0", "3"}));
        QCOMPARE(removed.count(), 1);
        QCOMPARE(changed.count(), 0);

        QVERIFY(!model->removeRows(1, 2));
        QVERIFY(!model->removeRows(-1, 1));
        QVERIFY(!model->removeRows(0, 0));
        QCOMPARE(model->count(), 2);
        QCOMPARE(removed.count(), 1);
    }

    void sortOnlyOnTheFileNameColumn()
    {
        model->addItems({makeItem("c.pdf", 1), makeItem("a.pdf", 1), makeItem("B.pdf", 1)});
        QSignalSpy reset(model, &QAbstractItemModel::modelReset);
        for (int column : {0, 2, 3, 4, 5}) {
            model->sort(column, Qt::AscendingOrder);
            model->sort(column, Qt::DescendingOrder);
        }
        QCOMPARE(reset.count(), 0);
        QCOMPARE(names(*model), (QStringList{"c.pdf", "a.pdf", "B.pdf"}));

        QSignalSpy changed(model, &MergeModel::changed);
        model->sort(1, Qt::AscendingOrder);
        QCOMPARE(names(*model), (QStringList{"a.pdf", "B.pdf", "c.pdf"}));
        model->sort(1, Qt::DescendingOrder);
        QCOMPARE(names(*model), (QStringList{"c.pdf", "B.pdf", "a.pdf"}));
        QCOMPARE(reset.count(), 2);
        QCOMPARE(changed.count(), 0);
    }

    // Numbers in names compare by value, so the results of a split come back
    // in page order; letter case still does not count, and the model knows
    // whether its rows are still in the order of the last sort.
    void sortReadsNumbersAsNumbers()
    {
        model->addItems({makeItem("p100.pdf", 1), makeItem("p20.pdf", 1), makeItem("P3.pdf", 1),
                         makeItem("p1.pdf", 1), makeItem("report_p10.pdf", 1), makeItem("report_p9.pdf", 1)});
        QVERIFY(!model->isSorted());
        QSignalSpy sortState(model, &MergeModel::sortStateChanged);
        model->sort(1, Qt::AscendingOrder);
        QCOMPARE(names(*model), (QStringList{"p1.pdf", "P3.pdf", "p20.pdf", "p100.pdf", "report_p9.pdf", "report_p10.pdf"}));
        QVERIFY(model->isSorted());
        QCOMPARE(model->sortOrder(), Qt::AscendingOrder);
        model->sort(1, Qt::DescendingOrder);
        QCOMPARE(names(*model).first(), QStringLiteral("report_p10.pdf"));
        QCOMPARE(model->sortOrder(), Qt::DescendingOrder);
        QCOMPARE(sortState.count(), 2);

        // Removing keeps the order sorted; adding or moving a row ends it.
        model->removeItem(0);
        QVERIFY(model->isSorted());
        model->moveDown(model->index(0, 0));
        QVERIFY(!model->isSorted());
        model->sort(1, Qt::AscendingOrder);
        model->addItems({makeItem("a.pdf", 1)});
        QVERIFY(!model->isSorted());
        model->sort(1, Qt::AscendingOrder);
        model->clear();
        QVERIFY(!model->isSorted());
    }

    void moveUpAndDown()
    {
        fill({"0", "1", "2"});
        QSignalSpy changed(model, &MergeModel::changed);
        QVERIFY(!model->moveUp(model->index(0, 0)));
        QVERIFY(!model->moveDown(model->index(2, 0)));
        QVERIFY(!model->moveUp(QModelIndex()));
        QVERIFY(!model->moveDown(QModelIndex()));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(names(*model), (QStringList{"0", "1", "2"}));

        QVERIFY(model->moveDown(model->index(0, 3)));
        QCOMPARE(names(*model), (QStringList{"1", "0", "2"}));
        QCOMPARE(changed.count(), 2);
        QVERIFY(model->moveUp(model->index(2, 0)));
        QCOMPARE(names(*model), (QStringList{"1", "2", "0"}));
        QCOMPARE(changed.count(), 4);
    }

    void listOperations()
    {
        QSignalSpy changed(model, &MergeModel::changed);
        model->clear();
        QCOMPARE(changed.count(), 0);
        QVERIFY(model->isEmpty());

        fill({"0", "1"});
        fill({"2"});
        QCOMPARE(names(*model), (QStringList{"0", "1", "2"}));
        QCOMPARE(changed.count(), 2);

        const MergeItem missing = model->item(9);
        QVERIFY(missing.fileName.isEmpty());
        QCOMPARE(missing.pageCount, 0);
        QVERIFY(!missing.id.isEmpty());
        QVERIFY(missing.id != model->item(0).id);

        model->setItem(5, makeItem("x", 1));
        QCOMPARE(changed.count(), 2);
        model->setItem(1, makeItem("x", 9));
        QCOMPARE(model->item(1).pageCount, 9);
        QCOMPARE(changed.count(), 3);

        model->removeItem(7);
        QCOMPARE(model->count(), 3);
        QCOMPARE(changed.count(), 4);
        model->removeItem(0);
        QCOMPARE(names(*model), (QStringList{"x", "2"}));

        model->clear();
        QVERIFY(model->isEmpty());
        QCOMPARE(changed.count(), 6);
    }

    void addRequestsPassThrough()
    {
        QSignalSpy add(model, &MergeModel::addFiles);
        const QStringList files{"/a/b.pdf", "not a pdf.txt"};
        model->requestAddFiles(files);
        QCOMPARE(add.count(), 1);
        QCOMPARE(add.first().first().toStringList(), files);
    }

    void skipAllStopsTheQuestions()
    {
        model->addItems({makeItem("p1.pdf", 0, true), makeItem("open.pdf", 3), makeItem("p2.pdf", 0, true),
                         makeItem("p3.pdf", 0, true), makeItem("open2.pdf", 2)});
        ScriptedPrompt prompt;
        prompt.script << ScriptedPrompt::Step{IPasswordPrompt::Answer::SkipAll, QString()};
        model->setPasswordPrompt(&prompt);
        const MergeItemList items = model->mergeableItems();
        QCOMPARE(prompt.asked, QStringList{"p1.pdf"});
        QCOMPARE(items.size(), 2);
        QCOMPARE(items.at(0).fileName, QStringLiteral("open.pdf"));
        QCOMPARE(items.at(1).fileName, QStringLiteral("open2.pdf"));
        QCOMPARE(model->count(), 5); // nothing leaves the list
    }

    void skipAsksTheNextOne()
    {
        model->addItems({makeItem("p1.pdf", 0, true), makeItem("p2.pdf", 0, true)});
        ScriptedPrompt prompt;
        prompt.script << ScriptedPrompt::Step{IPasswordPrompt::Answer::Closed, QString()}
                      << ScriptedPrompt::Step{IPasswordPrompt::Answer::Skip, QString()}
                      << ScriptedPrompt::Step{IPasswordPrompt::Answer::Skip, QString()};
        model->setPasswordPrompt(&prompt);
        QVERIFY(model->mergeableItems().isEmpty());
        // Closing without a choice asks about the same file again.
        QCOMPARE(prompt.asked, (QStringList{"p1.pdf", "p1.pdf", "p2.pdf"}));
        QVERIFY(prompt.messages.isEmpty());
    }

    void knownPasswordsAndUnreadableFiles()
    {
        model->addItems({makeItem("known.pdf", 4, true, "secret"), makeItem("broken.pdf", 0),
                         makeItem("plain.pdf", 2)});
        ScriptedPrompt prompt;
        model->setPasswordPrompt(&prompt);
        const MergeTaskList tasks = model->tasks();
        QVERIFY(prompt.asked.isEmpty());
        QCOMPARE(tasks.size(), 2);
        QCOMPARE(tasks.at(0).fullPath, QStringLiteral("/docs/known.pdf"));
        QCOMPARE(tasks.at(0).password, QStringLiteral("secret"));
        QVERIFY(tasks.at(0).hasPassword);
        QCOMPARE(tasks.at(0).pageCount, 4);
        QCOMPARE(tasks.at(0).order, 0);
        QCOMPARE(tasks.at(1).fullPath, QStringLiteral("/docs/plain.pdf"));
        QCOMPARE(tasks.at(1).order, 1);
    }

    void typedPasswordForAFileThatCannotBeReadLeavesItOut()
    {
        // The file went away after it was listed: no retry loop, no
        // "incorrect password" message, and the stored item stays as it was.
        model->addItems({makeItem("gone.pdf", 0, true), makeItem("a.pdf", 2)});
        ScriptedPrompt prompt;
        prompt.script << ScriptedPrompt::Step{IPasswordPrompt::Answer::Password, QStringLiteral("pw")};
        model->setPasswordPrompt(&prompt);
        QSignalSpy changed(model, &MergeModel::changed);
        const MergeItemList items = model->mergeableItems();
        QCOMPARE(items.size(), 1);
        QCOMPARE(items.first().fileName, QStringLiteral("a.pdf"));
        QCOMPARE(prompt.asked, QStringList{"gone.pdf"});
        QVERIFY(prompt.messages.isEmpty());
        QCOMPARE(changed.count(), 0);
        QVERIFY(model->item(0).needsPassword());
    }

    void everyFileUnreadableGivesNoTasks()
    {
        model->addItems({makeItem("a.pdf", 0), makeItem("b.pdf", 0)});
        QVERIFY(model->tasks().isEmpty());
    }

    void withoutAPromptProtectedFilesAreLeftOut()
    {
        model->addItems({makeItem("p.pdf", 0, true), makeItem("a.pdf", 1)});
        const MergeTaskList tasks = model->tasks();
        QCOMPARE(tasks.size(), 1);
        QCOMPARE(tasks.first().fullPath, QStringLiteral("/docs/a.pdf"));
    }
};

QTEST_GUILESS_MAIN(TestMergeModel)
#include "tst_mergemodel.moc"
