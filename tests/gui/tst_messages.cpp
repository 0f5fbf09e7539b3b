#include "app/Application.h"
#include "app/Logger.h"
#include "shell/WindowBar.h"
#include "widgets/Button.h"
#include "widgets/MessageMerge.h"
#include "widgets/MessagePassword.h"
#include "widgets/MessageSplit.h"
#include "widgets/MessageView.h"
#include "widgets/DropArea.h"
#include "widgets/ProgressDialog.h"

#include <QDialogButtonBox>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// Runs dialog.exec() and performs action once the dialog's loop runs.
int runWith(QDialog &dialog, const std::function<void()> &action)
{
    QTimer::singleShot(0, &dialog, [&dialog, action] {
        QVERIFY(dialog.isVisible());
        action();
    });
    return dialog.exec();
}

QPushButton *barClose(QDialog &dialog)
{
    return dialog.findChild<WindowBar *>()->findChild<QPushButton *>(QStringLiteral("windowclose"));
}

Button *buttonWithText(QDialog &dialog, const QString &text)
{
    const auto buttons = dialog.findChildren<Button *>();
    for (Button *button : buttons)
        if (button->text() == text)
            return button;
    return nullptr;
}

QStringList captured;
void capture(QtMsgType, const QMessageLogContext &, const QString &message)
{
    captured << message;
}

} // namespace

class TestMessages : public QObject
{
    Q_OBJECT
private slots:
    // --- Common frame ---------------------------------------------------------

    void commonFrame()
    {
        MessageSplit split(3);
        MessageMerge merge;
        MessagePassword password;
        MessageView view(QStringLiteral("Caption"), QStringLiteral("Text"));
        struct Expect {
            FramelessDialog *dialog;
            QString name;
            QSize minimum;
            QMargins margins;
            bool window;
        };
        const QList<Expect> expected{
            {&split, QStringLiteral("messageBox"), QSize(389, 181), QMargins(9, 3, 8, 12), true},
            {&merge, QStringLiteral("messageBox"), QSize(420, 181), QMargins(9, 3, 8, 12), true},
            {&password, QStringLiteral("messagePassword"), QSize(380, 190), QMargins(9, 0, 8, 9), true},
            {&view, QStringLiteral("messageBox"), QSize(380, 190), QMargins(9, 3, 8, 12), false},
        };
        for (const Expect &e : expected) {
            QCOMPARE(e.dialog->content()->objectName(), e.name);
            QCOMPARE(e.dialog->content()->minimumSize(), e.minimum);
            QCOMPARE(e.dialog->content()->layout()->contentsMargins(), e.margins);
            QCOMPARE(e.dialog->layout()->contentsMargins(), QMargins(20, 20, 20, 20));
            QVERIFY(e.dialog->windowFlags() & Qt::FramelessWindowHint);
            QCOMPARE(e.dialog->windowType(), e.window ? Qt::Window : Qt::Dialog);
            QVERIFY(e.dialog->testAttribute(Qt::WA_TranslucentBackground));
            auto *shadow = qobject_cast<QGraphicsDropShadowEffect *>(e.dialog->content()->graphicsEffect());
            QVERIFY(shadow);
            QCOMPARE(shadow->blurRadius(), 20.0);
            QVERIFY(e.dialog->findChild<QPushButton *>(QStringLiteral("windowminimize"))->isHidden());
            QCOMPARE(e.dialog->content()->layout()->itemAt(0)->widget(), e.dialog->windowBar());
        }
        QCOMPARE(split.windowBar()->title(), QStringLiteral("Split complete"));
        QCOMPARE(merge.windowBar()->title(), QStringLiteral("Merge complete"));
        QCOMPARE(password.windowBar()->title(), QStringLiteral("Enter password"));
        QCOMPARE(view.windowBar()->title(), QStringLiteral("Caption"));
    }

    void dragMovesTheWindow()
    {
        MessageView view(QStringLiteral("Caption"), QStringLiteral("Text"));
        view.move(100, 100);
        view.show();
        const QPoint press(30, 10);
        QMouseEvent down(QEvent::MouseButtonPress, press, view.mapToGlobal(press), Qt::LeftButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &down);
        const QPoint target = view.mapToGlobal(press) + QPoint(40, 25);
        QMouseEvent move(QEvent::MouseMove, view.mapFromGlobal(target), target, Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &move);
        QCOMPARE(view.pos(), QPoint(140, 125));
        QMouseEvent up(QEvent::MouseButtonRelease, press, target, Qt::LeftButton, Qt::NoButton,
                       Qt::NoModifier);
        QApplication::sendEvent(&view, &up);
        QMouseEvent after(QEvent::MouseMove, press, target + QPoint(50, 50), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&view, &after);
        QCOMPARE(view.pos(), QPoint(140, 125));
    }

    // --- MessageView ---------------------------------------------------------------

    void createMessageOutcomes()
    {
        QWidget owner;
        QPointer<MessageView> box = MessageView::createMessage(QStringLiteral("Error"), QStringLiteral("Broken"), &owner);
        QCOMPARE(box->parent(), &owner);
        QVERIFY(!box->isVisible());
        QCOMPARE(box->content()->minimumSize(), QSize(426, 173));
        auto *ok = box->findChild<QPushButton *>(QStringLiteral("buttonSaveSettings"));
        QVERIFY(ok);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(box->buttonBox()->buttonRole(ok), QDialogButtonBox::RejectRole);
        QCOMPARE(runWith(*box, [ok] { QTest::mouseClick(ok, Qt::LeftButton); }), 1);
        QCOMPARE(runWith(*box, [&box] { QTest::keyClick(box.data(), Qt::Key_Enter, Qt::KeypadModifier); }), 1);
        QCOMPARE(runWith(*box, [&box] { QTest::keyClick(box.data(), Qt::Key_Escape); }), 0);
        QCOMPARE(runWith(*box, [&box] { QTest::mouseClick(barClose(*box), Qt::LeftButton); }), 0);
    }

    void messageViewReturnsTheButtonRole()
    {
        MessageView view(QStringLiteral("Question"), QStringLiteral("Really?"));
        QPushButton *yes = view.buttonBox()->addButton(QStringLiteral("YES"), QDialogButtonBox::YesRole);
        QCOMPARE(runWith(view, [yes] { QTest::mouseClick(yes, Qt::LeftButton); }), int(QDialogButtonBox::YesRole));
        QCOMPARE(view.text(), QStringLiteral("Really?"));
    }

    // --- MessageSplit ---------------------------------------------------------------

    void splitTextAndButtons()
    {
        MessageSplit one(1);
        const QString text = one.findChild<QLabel *>(QStringLiteral("messageText"))->text();
        QCOMPARE(text, QStringLiteral("Your document was split into 1 file. Open the folder to see it, or merge the "
                                      "result with other files."));
        QCOMPARE(one.choice(), 0);
        QCOMPARE(buttonWithText(one, QStringLiteral("OK"))->objectName(), QStringLiteral("buttonSplitOk"));
        QCOMPARE(buttonWithText(one, QStringLiteral("OPEN"))->objectName(), QStringLiteral("buttonSplitOpen"));
        Button *merge = buttonWithText(one, QStringLiteral("MERGE RESULTS"));
        QCOMPARE(merge->objectName(), QStringLiteral("buttonSplitMerge"));
        QCOMPARE(merge->minimumWidth(), 155);
        QCOMPARE(merge->maximumHeight(), 42);
    }

    void splitOutcomes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("choice");
        QTest::newRow("ok") << QStringLiteral("OK") << 1 << 0;
        QTest::newRow("open") << QStringLiteral("OPEN") << 1 << 1;
        QTest::newRow("merge") << QStringLiteral("MERGE RESULTS") << 1 << 2;
        QTest::newRow("bar close") << QStringLiteral("close") << 1 << 0;
        QTest::newRow("escape") << QStringLiteral("escape") << 0 << 0;
    }
    void splitOutcomes()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        QFETCH(int, choice);
        MessageSplit dialog(4);
        const int code = runWith(dialog, [&dialog, button] {
            if (button == QLatin1String("close"))
                QTest::mouseClick(barClose(dialog), Qt::LeftButton);
            else if (button == QLatin1String("escape"))
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                QTest::mouseClick(buttonWithText(dialog, button), Qt::LeftButton);
        });
        QCOMPARE(code, result);
        QCOMPARE(dialog.choice(), choice);
        QFile log(Logger::instance().logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        const QString lines = QString::fromUtf8(log.readAll());
        QVERIFY(lines.contains(QStringLiteral("DEBUG: Rect width: %1\n").arg(dialog.width())));
        QVERIFY(lines.contains(QStringLiteral("DEBUG: Rect height: %1\n").arg(dialog.height())));
    }

    void resultDialogsCentreOnTheParentWindow()
    {
        QWidget window;
        window.setGeometry(200, 150, 800, 600);
        window.show();
        QWidget *inner = new QWidget(&window);
        inner->setGeometry(10, 10, 50, 50);
        MessageSplit split(2, inner);
        split.show();
        const QRect f = window.frameGeometry();
        QVERIFY(qAbs(split.geometry().center().x() - (f.left() + 399)) <= 1);
        QVERIFY(qAbs(split.geometry().center().y() - (f.top() + 299)) <= 1);
        MessageMerge merge(&window);
        merge.show();
        QVERIFY(qAbs(merge.geometry().center().x() - (f.left() + 399)) <= 1);
        QVERIFY(qAbs(merge.geometry().center().y() - (f.top() + 299)) <= 1);
    }

    // --- MessageMerge ---------------------------------------------------------------

    void mergeOutcomes_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("open");
        QTest::newRow("ok") << QStringLiteral("OK") << 1 << false;
        QTest::newRow("open folder") << QStringLiteral("OPEN FOLDER") << 1 << true;
        QTest::newRow("bar close") << QStringLiteral("close") << 1 << false;
        QTest::newRow("escape") << QStringLiteral("escape") << 0 << false;
    }
    void mergeOutcomes()
    {
        QFETCH(QString, button);
        QFETCH(int, result);
        QFETCH(bool, open);
        MessageMerge dialog;
        QVERIFY(!dialog.openFolderRequested());
        const int code = runWith(dialog, [&dialog, button] {
            if (button == QLatin1String("close"))
                QTest::mouseClick(barClose(dialog), Qt::LeftButton);
            else if (button == QLatin1String("escape"))
                QTest::keyClick(&dialog, Qt::Key_Escape);
            else
                QTest::mouseClick(buttonWithText(dialog, button), Qt::LeftButton);
        });
        QCOMPARE(code, result);
        QCOMPARE(dialog.openFolderRequested(), open);
    }

    void mergeListsLeftOutFiles()
    {
        MessageMerge all;
        QCOMPARE(all.text(), QStringLiteral("All your files have been merged. Open the folder to see the result."));
        QVERIFY(all.findChild<QListWidget *>()->isHidden());

        const QStringList leftOut{QStringLiteral("/data/in/locked.pdf"), QStringLiteral("/data/in/broken.pdf")};
        MessageMerge some(leftOut, nullptr);
        QCOMPARE(some.leftOutFiles(), leftOut);
        QVERIFY(!some.text().startsWith(QStringLiteral("All your files")));
        auto *list = some.findChild<QListWidget *>();
        QVERIFY(!list->isHidden());
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), QStringLiteral("/data/in/broken.pdf"));
        some.setLeftOutFiles({});
        QVERIFY(list->isHidden());
        QVERIFY(some.text().startsWith(QStringLiteral("All your files")));
    }

    // Counts read right in every language: "1 file", "2 files", and the
    // same in German, French and Spanish.
    void countsUsePluralForms_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("one");
        QTest::addColumn<QString>("two");
        QTest::addColumn<QString>("leftOutOne");
        QTest::newRow("en") << "en" << "split into 1 file." << "split into 2 files." << "1 file is not";
        QTest::newRow("de") << "de" << "in 1 Datei geteilt" << "in 2 Dateien geteilt" << "1 Datei fehlt";
        QTest::newRow("fr") << "fr" << "divisé en 1 fichier." << "divisé en 2 fichiers." << "1 fichier n’a pas";
        QTest::newRow("es") << "es" << "dividido en 1 archivo." << "dividido en 2 archivos." << "1 archivo no se ha";
    }

    void countsUsePluralForms()
    {
        QFETCH(QString, language);
        QFETCH(QString, one);
        QFETCH(QString, two);
        QFETCH(QString, leftOutOne);
        QVERIFY(Application::instance()->loadLanguage(language));
        MessageSplit single(1);
        MessageSplit pair(2);
        const QString singleText = single.findChild<QLabel *>(QStringLiteral("messageText"))->text();
        const QString pairText = pair.findChild<QLabel *>(QStringLiteral("messageText"))->text();
        QVERIFY2(singleText.contains(one), qPrintable(singleText));
        QVERIFY2(pairText.contains(two), qPrintable(pairText));
        MessageMerge merged({QStringLiteral("/data/a.pdf")}, nullptr);
        QStringList texts;
        for (const QLabel *label : merged.findChildren<QLabel *>())
            texts << label->text();
        QVERIFY2(texts.join(QLatin1Char('|')).contains(leftOutOne), qPrintable(texts.join(QLatin1Char('|'))));
        Application::instance()->loadLanguage(QStringLiteral("en"));
    }

    // --- MessagePassword ---------------------------------------------------------

    void passwordLayout()
    {
        MessagePassword dialog;
        const auto skips = dialog.findChildren<Button *>(QStringLiteral("buttonSkip"));
        QCOMPARE(skips.size(), 2);
        for (Button *skip : skips)
            QVERIFY(skip->isHidden());
        Button *ok = buttonWithText(dialog, QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QCOMPARE(ok->size(), QSize(100, 42));
        QCOMPARE(dialog.findChild<QLineEdit *>()->echoMode(), QLineEdit::Password);
        dialog.setSkipVisible(true);
        QVERIFY(!buttonWithText(dialog, QStringLiteral("SKIP"))->isHidden());
        QVERIFY(buttonWithText(dialog, QStringLiteral("SKIP ALL"))->isHidden());
        dialog.setSkipAllVisible(true);
        QVERIFY(!buttonWithText(dialog, QStringLiteral("SKIP ALL"))->isHidden());
        dialog.setText(QStringLiteral("locked.pdf"));
        QCOMPARE(dialog.text(), QStringLiteral("locked.pdf"));
    }

    void passwordOutcomes_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("skip");
        QTest::addColumn<bool>("skipAll");
        QTest::newRow("ok") << QStringLiteral("OK") << 1 << false << false;
        QTest::newRow("return") << QStringLiteral("return") << 1 << false << false;
        QTest::newRow("skip") << QStringLiteral("SKIP") << 1 << true << false;
        QTest::newRow("skip all") << QStringLiteral("SKIP ALL") << 1 << false << true;
        QTest::newRow("bar close") << QStringLiteral("close") << 0 << false << false;
        QTest::newRow("escape") << QStringLiteral("escape") << 0 << false << false;
    }
    void passwordOutcomes()
    {
        QFETCH(QString, action);
        QFETCH(int, result);
        QFETCH(bool, skip);
        QFETCH(bool, skipAll);
        MessagePassword dialog;
        dialog.setSkipVisible(true);
        dialog.setSkipAllVisible(true);
        const QString secret = QStringLiteral(" s3cret ");
        const int code = runWith(dialog, [&dialog, action, secret] {
            auto *edit = dialog.findChild<QLineEdit *>();
            QCOMPARE(dialog.focusWidget(), edit);
            QTest::keyClicks(edit, secret);
            if (action == QLatin1String("close"))
                QTest::mouseClick(barClose(dialog), Qt::LeftButton);
            else if (action == QLatin1String("escape"))
                QTest::keyClick(edit, Qt::Key_Escape);
            else if (action == QLatin1String("return"))
                QTest::keyClick(edit, Qt::Key_Return);
            else
                QTest::mouseClick(buttonWithText(dialog, action), Qt::LeftButton);
        });
        QCOMPARE(code, result);
        QCOMPARE(dialog.isSkip(), skip);
        QCOMPARE(dialog.isSkipAll(), skipAll);
        QCOMPARE(dialog.isCanceled(), result == 0);
        QCOMPARE(dialog.password(), secret);   // untrimmed
    }

    void passwordNeverReachesTheDebugOutput()
    {
        captured.clear();
        const QtMessageHandler previous = qInstallMessageHandler(capture);
        {
            MessagePassword dialog;
            runWith(dialog, [&dialog] {
                QTest::keyClicks(dialog.findChild<QLineEdit *>(), QStringLiteral("TopSecret42"));
                QTest::mouseClick(buttonWithText(dialog, QStringLiteral("OK")), Qt::LeftButton);
            });
            QCOMPARE(dialog.password(), QStringLiteral("TopSecret42"));
        }
        qInstallMessageHandler(previous);
        for (const QString &line : qAsConst(captured))
            QVERIFY2(!line.contains(QStringLiteral("TopSecret42")), qPrintable(line));
    }

    // --- Language change -----------------------------------------------------------

    void textsFollowTheLanguage()
    {
        MessageSplit split(5);
        MessageMerge merge;
        MessagePassword password;
        DropArea area;
        ProgressDialog progress;
        QVERIFY(Application::instance()->loadLanguage(QStringLiteral("de")));
        QCoreApplication::processEvents();
        const auto german = [](const char *context, const char *source) {
            return QCoreApplication::translate(context, source);
        };
        QVERIFY(german("MessageSplit", "Split complete") != QStringLiteral("Split complete"));
        QCOMPARE(split.windowBar()->title(), german("MessageSplit", "Split complete"));
        QVERIFY(split.findChild<QLabel *>(QStringLiteral("messageText"))->text().contains(QStringLiteral("5")));
        QCOMPARE(merge.windowBar()->title(), german("MessageMerge", "Merge complete"));
        QCOMPARE(password.windowBar()->title(), german("MessagePassword", "Enter password"));
        QCOMPARE(area.findChild<QLabel *>(QStringLiteral("bigLabel"))->text(), german("DropArea", "Add file"));
        QCOMPARE(progress.windowBar()->title(), german("ProgressDialog", "Add files"));

        QVERIFY(!Application::instance()->loadLanguage(QStringLiteral("xx")));
        QCoreApplication::processEvents();
        QCOMPARE(split.windowBar()->title(), QStringLiteral("Split complete"));
        QCOMPARE(area.findChild<QLabel *>(QStringLiteral("bigLabel"))->text(), QStringLiteral("Add file"));
        QCOMPARE(progress.windowBar()->title(), QStringLiteral("Add files"));
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestMessages test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_messages.moc"
