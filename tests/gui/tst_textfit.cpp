#include "TestPaths.h"
#include "TestPdf.h"
#include "app/Application.h"
#include "merge/Merge.h"
#include "merge/MergeItemDelegate.h"
#include "merge/MergeModel.h"
#include "merge/MergeTableView.h"
#include "merge/MergeView.h"
#include "widgets/CheckBox.h"
#include "shell/MainView.h"
#include "shell/SettingsView.h"
#include "shell/TabWidget.h"
#include "split/Split.h"
#include "split/SplitView.h"
#include "pdf/DebenuService.h"
#include "protocol/OutcomeText.h"
#include "widgets/MessageMerge.h"
#include "widgets/MessageNewPassword.h"
#include "widgets/MessagePassword.h"
#include "widgets/MessageSplit.h"
#include "widgets/DocumentViewer.h"
#include "widgets/MessageView.h"
#include "widgets/NewPasswordFields.h"
#include "pdf/PageRenderer.h"
#include "widgets/PageGridDialog.h"
#include "widgets/PreviewWidget.h"
#include "widgets/ProgressControl.h"
#include "widgets/ProgressDialog.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedLayout>
#include <QStyleOptionFrame>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Where a widget sits, for the failure message: its class, object name and
// the object names of its ancestors.
QString describe(const QWidget *widget)
{
    QStringList path;
    for (const QWidget *w = widget; w; w = w->parentWidget())
        path.prepend(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                               : w->objectName());
    return path.join(QLatin1Char('/'));
}

// Inside a scrolling viewport clipping is what scrolling is for; inside a
// frame folded to no height (the tab bar before a tab is opened) nothing
// shows at all.
bool outOfSight(const QWidget *widget)
{
    for (const QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (w->width() <= 0 || w->height() <= 0)
            return true;
        if (auto *area = qobject_cast<const QAbstractScrollArea *>(w->parentWidget()))
            if (area->viewport() == w)
                return true;
    }
    return false;
}

// The part of the widget an ancestor cuts off, if any.
QString cutByAncestor(const QWidget *widget)
{
    QRect rect = widget->rect();
    const QWidget *child = widget;
    for (const QWidget *parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        rect.translate(child->pos());
        if (!parent->rect().contains(rect))
            return QStringLiteral("cut off by %1 (%2 outside %3)")
                .arg(describe(parent),
                     QStringLiteral("%1,%2 %3x%4").arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height()),
                     QStringLiteral("%1x%2").arg(parent->width()).arg(parent->height()));
        if (parent->isWindow())
            break;
        child = parent;
    }
    return QString();
}

// The width a line edit has for its text, as QLineEdit paints it.
int lineEditTextWidth(QLineEdit *edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    contents = contents.marginsRemoved(edit->textMargins());
    return contents.width() - 2 * 2; // QLineEdit's own inner margin
}

// With SW_FIT_PICTURES set to a folder, each checked state is also saved
// there as a picture, to look at while mending a layout.
void picture(QWidget *window, const QString &state)
{
    const QString folder = qEnvironmentVariable("SW_FIT_PICTURES");
    if (!folder.isEmpty())
        window->grab().save(QDir(folder).filePath(QString(state).replace(QLatin1Char(' '), QLatin1Char('-'))
                                                  .remove(QLatin1Char(',')) + QStringLiteral(".png")));
}

// Every text of the visible widgets under root that does not fit its widget:
// a label, button, check box, link, header section, file-name field or
// password cell narrower (or lower) than its text needs, or cut off by an
// ancestor.
QStringList clippedTexts(QWidget *root, const QString &state)
{
    QStringList faults;
    auto fault = [&](const QWidget *w, const QString &text, const QString &why) {
        faults << QStringLiteral("[%1] %2 \"%3\": %4").arg(state, describe(w), text, why);
    };
    picture(root, state);
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : widgets) {
        if (!w->isVisible() || outOfSight(w))
            continue;
        QString text;
        QSize needed;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            text = label->text();
            if (text.isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull())
                continue;
            if (label->wordWrap()) {
                const int height = label->heightForWidth(label->width());
                if (height > label->height())
                    fault(w, text, QStringLiteral("needs %1 px of height, has %2").arg(height).arg(label->height()));
                needed = QSize(label->minimumSizeHint().width(), 0);
            } else {
                needed = label->sizeHint();
            }
        } else if (auto *button = qobject_cast<QAbstractButton *>(w)) {
            text = button->text();
            if (text.isEmpty())
                continue;
            needed = button->sizeHint();
        } else if (auto *header = qobject_cast<QHeaderView *>(w)) {
            for (int section = 0; section < header->count(); ++section) {
                const QString title = header->model()->headerData(section, header->orientation()).toString();
                if (title.isEmpty() || header->isSectionHidden(section))
                    continue;
                // Room for the sort arrow counts only in the section that shows it.
                const bool arrow = header->isSortIndicatorShown();
                header->setSortIndicatorShown(arrow && header->sortIndicatorSection() == section);
                const int hint = header->sectionSizeHint(section);
                header->setSortIndicatorShown(arrow);
                if (hint > header->sectionSize(section))
                    fault(w, title, QStringLiteral("section needs %1 px, has %2").arg(hint).arg(header->sectionSize(section)));
            }
            continue;
        } else if (auto *table = qobject_cast<MergeTableView *>(w)) {
            MergeModel *model = table->mergeModel();
            for (int row = 0; row < model->rowCount(); ++row) {
                const QString cell = MergeItemDelegate::passwordText(model->index(row, MergeModel::PasswordColumn));
                const int width = table->fontMetrics().horizontalAdvance(cell) + 8;
                if (width > table->columnWidth(MergeModel::PasswordColumn))
                    fault(w, cell, QStringLiteral("password cell needs %1 px, has %2")
                                       .arg(width).arg(table->columnWidth(MergeModel::PasswordColumn)));
            }
            continue;
        } else if (auto *edit = qobject_cast<QLineEdit *>(w)) {
            // The merge screen's file-name field: the default name must show whole.
            if (edit->isReadOnly() || edit->objectName() != QLatin1String("cleanEdit"))
                continue;
            text = edit->text();
            const int width = edit->fontMetrics().horizontalAdvance(text);
            if (width > lineEditTextWidth(edit))
                fault(w, text, QStringLiteral("field shows %1 of %2 px").arg(lineEditTextWidth(edit)).arg(width));
            continue;
        } else {
            continue;
        }
        if (needed.width() > w->width())
            fault(w, text, QStringLiteral("needs %1 px of width, has %2").arg(needed.width()).arg(w->width()));
        else if (needed.height() > w->height())
            fault(w, text, QStringLiteral("needs %1 px of height, has %2").arg(needed.height()).arg(w->height()));
        const QString cut = cutByAncestor(w);
        if (!cut.isEmpty())
            fault(w, text, cut);
    }
    return faults;
}

QStringList shippedLanguages()
{
    QStringList codes;
    const QStringList files = QDir(TestPaths::binDir() + QStringLiteral("/translations"))
                                  .entryList({QStringLiteral("leafcut_*.qm")}, QDir::Files, QDir::Name);
    for (QString file : files)
        codes << file.mid(QStringLiteral("leafcut_").size()).chopped(3);
    return codes;
}

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace

// Every text of the split, merge and settings screens and of the dialogs
// fits its widget in every shipped language: nothing clipped, cut off by a
// parent, wrapped out of sight or elided. Each widget's size hint (what its
// text needs) is compared with the geometry the layout gave it.
class TestTextFit : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<MainView> m_window;
    QString m_truncated;
    QString m_garbage;
    QString m_five;

    QString writeTruncated()
    {
        QFile source(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")));
        source.open(QIODevice::ReadOnly);
        const QByteArray whole = source.readAll();
        const QString path = m_dir.filePath(QStringLiteral("cut-short.pdf"));
        QFile cut(path);
        cut.open(QIODevice::WriteOnly);
        cut.write(whole.left(whole.size() / 2));
        return path;
    }

    void showTab(int index)
    {
        m_window->tabWidget()->setCurrentIndex(index);
        settle();
    }

    SplitView *splitView() const { return qobject_cast<SplitView *>(m_window->splitScreen()); }
    MergeView *mergeView() const { return qobject_cast<MergeView *>(m_window->mergeScreen()); }

    QStringList checkSplitScreen(const QString &language, const QString &document)
    {
        QStringList faults;
        showTab(1);
        SplitView *view = splitView();
        const auto modes = view->findChildren<QRadioButton *>();
        for (int mode = 0; mode < modes.count(); ++mode) {
            modes.at(mode)->click();
            settle();
            faults << clippedTexts(m_window.get(), QStringLiteral("%1 split, %2, mode %3").arg(language, document).arg(mode));
        }
        return faults;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_truncated = writeTruncated();
        m_five = m_dir.filePath(QStringLiteral("five.pdf"));
        QVERIFY(TestPdf::writeNumbered(m_five, 5));
        m_garbage = m_dir.filePath(QStringLiteral("notes.pdf"));
        QFile garbage(m_garbage);
        QVERIFY(garbage.open(QIODevice::WriteOnly));
        garbage.write("Shopping list: bread, milk.\n");
        garbage.close();

        m_window = std::make_unique<MainView>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        mergeView()->setSaveFolder(m_dir.path());
    }

    void cleanupTestCase()
    {
        Application::instance()->split()->reset();
        Application::instance()->merge()->model()->clear();
        m_window.reset();
    }

    void everyTextFits_data()
    {
        QTest::addColumn<QString>("language");
        const QStringList languages = shippedLanguages();
        QVERIFY2(languages.size() >= 4, qPrintable(languages.join(QLatin1Char(','))));
        for (const QString &code : languages)
            QTest::newRow(qPrintable(code)) << code;
    }

    void everyTextFits()
    {
        QFETCH(QString, language);
        QVERIFY(Application::instance()->loadLanguage(language));
        settle();
        QStringList faults;

        showTab(0);
        faults << clippedTexts(m_window.get(), language + QStringLiteral(" start"));

        // The split screen: empty, with a document, a protected one and an
        // unreadable one; every mode page; page lists with entries.
        Split *split = Application::instance()->split();
        split->reset();
        faults << checkSplitScreen(language, QStringLiteral("empty"));
        split->load(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), QString());
        split->certainPages()->addRange(2, 2);
        split->pageRanges()->addRange(3, 5);
        faults << checkSplitScreen(language, QStringLiteral("loaded"));
        // The panel shortens a long title or path itself; these are short.
        auto *title = splitView()->preview()->findChild<QLabel *>(QStringLiteral("previewTitle"));
        QCOMPARE(title->text(), split->displayName());
        QVERIFY(splitView()->preview()->findChildren<QLabel *>().size() > 0);
        bool pathShown = false;
        for (const QLabel *label : splitView()->preview()->findChildren<QLabel *>())
            pathShown = pathShown || label->text() == QDir::toNativeSeparators(split->fileName());
        QVERIFY2(pathShown, "the document's path is shortened");
        // Entries a shorter document lacks, marked with the reason, and
        // entries refused beside their fields.
        split->pageRanges()->addRange(9, 11);
        split->certainPages()->addRange(10, 11);
        split->load(m_five, QString());
        SplitView *view = splitView();
        view->removePageEdit()->setText(QStringLiteral("999"));
        view->onButtonAddRidPage();
        view->rangeFromEdit()->setText(QStringLiteral("12-"));
        view->onButtonAddRange();
        view->groupSizeEdit()->setText(QStringLiteral("6"));
        faults << checkSplitScreen(language, QStringLiteral("entries refused"));
        view->removePageEdit()->clear();
        view->onButtonAddRidPage();
        view->rangeFromEdit()->setText(QStringLiteral("5-3"));
        view->onButtonAddRange();
        view->groupSizeEdit()->setText(QStringLiteral("4"));
        view->startFromEdit()->setText(QStringLiteral("1-4"));
        faults << checkSplitScreen(language, QStringLiteral("other entries refused"));
        view->startFromEdit()->setText(QStringLiteral("1"));
        view->groupSizeEdit()->setText(QStringLiteral("3"));
        split->pageRanges()->clear();
        split->certainPages()->clear();
        split->load(TestPaths::fixture(QStringLiteral("enc-R3,V2,U=view,O=master.pdf")), QString());
        faults << checkSplitScreen(language, QStringLiteral("locked"));
        split->load(m_truncated, QString());
        faults << checkSplitScreen(language, QStringLiteral("unreadable"));
        split->reset();

        // The split progress in place of the save row.
        splitView()->onStarted();
        settle();
        faults << clippedTexts(m_window.get(), language + QStringLiteral(" split running"));
        splitView()->onComplete();
        settle();

        // The merge screen: empty, then with an open, a locked and an
        // unreadable row, the page total, the name field, the password switch.
        MergeModel *model = Application::instance()->merge()->model();
        model->clear();
        showTab(2);
        faults << clippedTexts(m_window.get(), language + QStringLiteral(" merge empty"));
        MergeItem open;
        open.fullPath = TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf"));
        open.fileName = QStringLiteral("11-pages-with-labels.pdf");
        open.pageCount = 11;
        MergeItem locked;
        locked.fullPath = TestPaths::fixture(QStringLiteral("enc-R3,V2,U=view,O=master.pdf"));
        locked.fileName = QStringLiteral("enc-R3,V2,U=view,O=master.pdf");
        locked.hasPassword = true;
        MergeItem unreadable;
        unreadable.fullPath = m_garbage;
        unreadable.fileName = QStringLiteral("notes.pdf");
        model->addItems({open, locked, unreadable});
        model->sort(MergeModel::FileNameColumn, Qt::AscendingOrder);
        settle();
        faults << clippedTexts(m_window.get(), language + QStringLiteral(" merge list"));
        // A refused page choice said under the list, a turned row, the
        // interleave options on.
        int openRow = 0;
        while (model->item(openRow).pageCount != 11 && openRow + 1 < model->count())
            ++openRow;
        model->setPages(openRow, QStringLiteral("3-7, 9-14"));
        model->setRotation(openRow, 270);
        mergeView()->interleaveSwitch()->setCheckState(Qt::Checked);
        mergeView()->reverseLastSwitch()->setCheckState(Qt::Checked);
        settle();
        QVERIFY(!mergeView()->pageProblemText().isEmpty());
        faults << clippedTexts(m_window.get(), language + QStringLiteral(" merge choices"));
        mergeView()->blankAfterOddSwitch()->setCheckState(Qt::Checked);
        settle();
        faults << clippedTexts(m_window.get(), language + QStringLiteral(" merge odd pages"));
        mergeView()->blankAfterOddSwitch()->setCheckState(Qt::Unchecked);
        mergeView()->reverseLastSwitch()->setCheckState(Qt::Unchecked);
        model->setPages(openRow, QString());
        model->setRotation(openRow, 0);
        mergeView()->onMergeStarted();
        settle();
        settle();
        faults << clippedTexts(m_window.get(), language + QStringLiteral(" merge running"));
        mergeView()->onMergeComplete();
        settle();

        // The settings panel, slid in.
        SettingsView *settings = m_window->settingsView();
        settings->setGeometry(m_window->settingsInside());
        settings->show();
        settings->raise();
        settle();
        faults << clippedTexts(m_window.get(), language + QStringLiteral(" settings"));
        settings->hide();

        // The same screens in a large window: they grow, nothing is cut.
        m_window->resize(1180, 760);
        settle();
        showTab(0);
        faults << clippedTexts(m_window.get(), language + QStringLiteral(" start, large window"));
        split->load(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), QString());
        faults << checkSplitScreen(language, QStringLiteral("large window"));
        split->reset();
        showTab(2);
        faults << clippedTexts(m_window.get(), language + QStringLiteral(" merge list, large window"));
        settings->setGeometry(m_window->settingsInside());
        settings->show();
        settings->raise();
        settle();
        faults << clippedTexts(m_window.get(), language + QStringLiteral(" settings, large window"));
        settings->hide();
        m_window->resize(m_window->minimumSize());
        settle();

        for (const QString &fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 texts do not fit").arg(faults.size())));
    }

    void everyDialogTextFits_data() { everyTextFits_data(); }

    void everyDialogTextFits()
    {
        QFETCH(QString, language);
        QVERIFY(Application::instance()->loadLanguage(language));
        settle();
        QStringList faults;
        auto check = [&](QWidget *dialog, const QString &name) {
            dialog->show();
            settle();
            faults << clippedTexts(dialog, language + QLatin1Char(' ') + name);
            dialog->hide();
        };
        for (int files : {1, 24}) {
            MessageSplit done(files, m_window.get());
            check(&done, QStringLiteral("split complete %1").arg(files));
        }
        // The notes of a split: pages larger than the limit (as many names
        // as the screen lists), files renamed because their names were
        // taken, and the protection the parts do not keep.
        const OutcomeText splitWords(OutcomeText::Split, QStringLiteral("/home/user/Documents"));
        for (int count : {1, 12}) {
            WorkerOutcome outcome;
            for (int i = 1; i <= count; ++i) {
                const QString name = QStringLiteral("Annual report 2026_p%1.pdf").arg(i);
                outcome.addWritten(QStringLiteral("/home/user/Documents/(1)") + name, name);
                outcome.oversized << QStringLiteral("/home/user/Documents/(1)") + name;
            }
            MessageSplit done(24, m_window.get());
            QStringList notes = splitWords.notes(outcome);
            notes << OutcomeText::unprotectedNote(QStringLiteral("/home/user/Annual report 2026.pdf"));
            done.setNote(notes.join(QStringLiteral("\n\n")));
            check(&done, QStringLiteral("split complete with notes, %1 files").arg(count));
        }
        MessageMerge merged(m_window.get());
        merged.setLeftOutFiles({m_garbage, m_truncated},
                               {OutcomeText::reasonText(WorkerOutcome::Reason::OutOfMemory),
                                OutcomeText::reasonText(WorkerOutcome::Reason::Unreadable)});
        WorkerOutcome renamedMerge;
        renamedMerge.addWritten(QStringLiteral("/home/user/Documents/(1)Annual report 2026, all parts.pdf"),
                                QStringLiteral("Annual report 2026, all parts.pdf"));
        merged.setNote(OutcomeText(OutcomeText::Merge, QStringLiteral("/home/user/Documents")).notes(renamedMerge).join(
            QLatin1Char('\n')));
        check(&merged, QStringLiteral("merge complete with left-out files, renamed"));
        MessageMerge all(m_window.get());
        check(&all, QStringLiteral("merge complete"));
        MessagePassword password(m_window.get());
        password.setText(QStringLiteral("enc-R3,V2,U=view,O=master.pdf"));
        password.setSkipVisible(true);
        password.setSkipAllVisible(true);
        check(&password, QStringLiteral("password"));
        // The output password, asked twice: the reason while the two differ,
        // and what a reader who has it may do.
        MessageNewPassword newPassword(DebenuService::outputPermissions(), m_window.get());
        newPassword.setText(QCoreApplication::translate("MergeView", "The merged file will be protected with this password."));
        newPassword.fields()->passwordEdit()->setText(QStringLiteral("secret"));
        check(&newPassword, QStringLiteral("new password, repeat missing"));
        newPassword.fields()->repeatEdit()->setText(QStringLiteral("secert"));
        check(&newPassword, QStringLiteral("new password, two differ"));
        newPassword.fields()->passwordEdit()->clear();
        check(&newPassword, QStringLiteral("new password, first missing"));
        ProgressDialog progress(m_window.get());
        check(&progress, QStringLiteral("add progress"));
        // The page grid in each of its modes, at the size it opens with.
        for (PageGridModel::Mode mode : {PageGridModel::CutParts, PageGridModel::MarkPages, PageGridModel::ShowParts,
                                         PageGridModel::ShowPages}) {
            PageGridDialog grid([] { return std::make_unique<PageRenderer>(1); }, {}, 1, m_window.get());
            grid.setDocument(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), QString(), 11, mode,
                             PageParts(11));
            check(&grid, QStringLiteral("page grid, mode %1").arg(int(mode)));
        }
        // The longest failures of each job, as the screens show them.
        WorkerOutcome stopped = WorkerOutcome::ended(WorkerCode::Incomplete, {QStringLiteral("/a_p1.pdf")});
        stopped.writeError = QStringLiteral("file_too_large");
        stopped.addLeftOut(QStringLiteral("2-41"), WorkerOutcome::Reason::NotWritten);
        WorkerOutcome notMerged = WorkerOutcome::ended(WorkerCode::Incomplete);
        notMerged.writeError = QStringLiteral("out_of_memory");
        notMerged.addLeftOut(m_garbage, WorkerOutcome::Reason::Password);
        const QList<QPair<OutcomeText::Job, WorkerOutcome>> failures = {
            {OutcomeText::Split, stopped},
            {OutcomeText::Merge, notMerged},
            {OutcomeText::Merge, WorkerOutcome::ended(WorkerCode::Canceled)},
        };
        for (const auto &failure : failures) {
            const OutcomeText words(failure.first, QStringLiteral("/home/user/Documents"));
            std::unique_ptr<MessageView> message(MessageView::createMessage(
                words.caption(failure.second), words.failure(failure.second), m_window.get()));
            check(message.get(), QStringLiteral("failure %1").arg(failure.second.code));
        }
        // The question before the merge list is cleared, and the one on
        // closing during a run.
        std::unique_ptr<MessageView> clear(MessageView::createQuestion(
            QCoreApplication::translate("MergeView", "Clear the list?"),
            QCoreApplication::translate("MergeView",
                                        "Remove all %n files from the list? The files themselves stay where they are.",
                                        nullptr, 85),
            QCoreApplication::translate("MergeView", "CLEAR"), QCoreApplication::translate("MergeView", "KEEP"),
            m_window.get()));
        check(clear.get(), QStringLiteral("clear question"));
        std::unique_ptr<MessageView> stop(MessageView::createQuestion(
            QCoreApplication::translate("MainView", "Stop and close?"),
            QCoreApplication::translate("MainView", "A merge is still running. If you close the window now, it stops "
                                                    "and no merged file is written."),
            QCoreApplication::translate("MainView", "STOP AND CLOSE"), QCoreApplication::translate("MainView", "GO ON"),
            m_window.get()));
        check(stop.get(), QStringLiteral("stop question"));
        // The page viewer's bar with its page field.
        DocumentViewer viewer;
        viewer.open(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf")), QString());
        check(&viewer, QStringLiteral("viewer"));
        for (const QString &fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), qPrintable(QStringLiteral("%1 texts do not fit").arg(faults.size())));
    }

    // The check itself finds what a person would see: a label too narrow
    // for its text, and a word-wrapped one too low for its lines.
    void checkFindsClippedText()
    {
        QWidget window;
        window.resize(300, 200);
        auto *narrow = new QLabel(QStringLiteral("A label with a rather long text"), &window);
        narrow->setGeometry(10, 10, 60, 20);
        auto *low = new QLabel(QStringLiteral("A wrapped text that needs several lines of height"), &window);
        low->setWordWrap(true);
        low->setGeometry(10, 40, 80, 16);
        auto *outside = new QLabel(QStringLiteral("Out"), &window);
        outside->setGeometry(280, 10, 60, 30);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QStringList faults = clippedTexts(&window, QStringLiteral("probe"));
        QCOMPARE(faults.filter(QStringLiteral("A label with")).size(), 1);
        QCOMPARE(faults.filter(QStringLiteral("A wrapped text")).size(), 1);
        QCOMPARE(faults.filter(QStringLiteral("\"Out\": cut off")).size(), 1);
        narrow->resize(narrow->sizeHint());
        low->resize(80, low->heightForWidth(80));
        outside->move(200, 10);
        QVERIFY2(clippedTexts(&window, QStringLiteral("probe")).isEmpty(),
                 qPrintable(clippedTexts(&window, QStringLiteral("probe")).join(QLatin1Char('\n'))));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestTextFit test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_textfit.moc"
