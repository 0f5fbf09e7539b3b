#include "FileDialogAnswer.h"
#include "TestPaths.h"
#include "TestPdf.h"
#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/Logger.h"
#include "merge/Merge.h"
#include "merge/MergeModel.h"
#include "merge/MergeView.h"
#include "shell/FileOpener.h"
#include "shell/MainView.h"
#include "shell/SingleInstance.h"
#include "shell/TabWidget.h"
#include "split/Split.h"
#include "widgets/MessageView.h"
#include "widgets/PreviewWidget.h"
#include "widgets/ProgressDialog.h"
#include "split/SplitView.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <functional>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

void answerNextModal(std::function<void(QWidget *)> answer, int attemptsLeft = 3000)
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

QStringList mergeNames()
{
    MergeModel *model = Application::instance()->merge()->model();
    QStringList names;
    for (int row = 0; row < model->count(); ++row)
        names << model->item(row).fileName;
    return names;
}

} // namespace

// Files handed to the program: the command line as the desktop entry passes
// them ("sheafwright %F"), files that cannot be opened, and Ctrl+O on the
// start screen. One file lands on the split screen, several on the merge
// list in the order given.
class TestOpenFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString numbered(const QString &name, int pages)
    {
        const QString path = m_dir.filePath(name);
        if (!QFileInfo::exists(path) && !TestPdf::writeNumbered(path, pages))
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }

    QString written(const QString &name, const QByteArray &data)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(path));
        file.write(data);
        return path;
    }

    // On the offscreen platform a hidden dialog keeps the focus; a window
    // manager gives it back to the main window.
    static void activate(QWidget *window)
    {
        if (QGuiApplication::focusWindow() != window->windowHandle())
            window->windowHandle()->requestActivate();
        QTRY_COMPARE(QGuiApplication::focusWindow(), window->windowHandle());
    }

    static void waitForMergeRows(MergeView *screen, int rows)
    {
        QTRY_COMPARE_WITH_TIMEOUT(screen->model()->count(), rows, 30000);
        QTRY_VERIFY(!screen->addProgress()->isVisible());
    }

private slots:
    void init()
    {
        auto *app = Application::instance();
        app->loadLanguage(QStringLiteral("en"));
        app->split()->reset();
        app->merge()->model()->clear();
    }

    void commandLineParsesOptionsAndFiles()
    {
        QCOMPARE(CommandLine({QStringLiteral("sheafwright"), QStringLiteral("--help")}).outcome(), CommandLine::ShowHelp);
        QCOMPARE(CommandLine({QStringLiteral("sheafwright"), QStringLiteral("-v")}).outcome(), CommandLine::ShowVersion);
        QCOMPARE(CommandLine::versionText(), QStringLiteral("Sheafwright 2.0.10"));
        const CommandLine help({QStringLiteral("sheafwright")});
        QCOMPARE(help.outcome(), CommandLine::Run);
        QVERIFY(help.files().isEmpty() && help.problems().isEmpty());
        QVERIFY2(help.helpText().contains(QLatin1String("[FILE...]")) && help.helpText().contains(QLatin1String("PDF files")),
                 qPrintable(help.helpText()));
        const CommandLine wrong({QStringLiteral("sheafwright"), QStringLiteral("--frobnicate")});
        QCOMPARE(wrong.outcome(), CommandLine::Error);
        QVERIFY(wrong.errorText().contains(QLatin1String("frobnicate")));

        // Relative paths and file addresses become absolute paths; order stays.
        const QString b = numbered(QStringLiteral("b.pdf"), 2);
        const QString a = numbered(QStringLiteral("a.pdf"), 1);
        // Bytes before the header, as some producers write: still a PDF.
        QByteArray prefixed("junk before the header\n");
        QFile source(a);
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QString c = written(QStringLiteral("c.pdf"), prefixed + source.readAll());
        const QString previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        const CommandLine files({QStringLiteral("sheafwright"), QStringLiteral("b.pdf"),
                                 QUrl::fromLocalFile(a).toString(), QStringLiteral("./c.pdf")});
        QDir::setCurrent(previous);
        QCOMPARE(files.outcome(), CommandLine::Run);
        QCOMPARE(files.files(), (QStringList{b, a, c}));
        QVERIFY(files.problems().isEmpty());
    }

    void filesThatCannotOpenAreNamedAndTheRestOpens()
    {
        const QString good = numbered(QStringLiteral("good.pdf"), 3);
        const QString missing = m_dir.filePath(QStringLiteral("missing.pdf"));
        const QString text = written(QStringLiteral("letter.pdf"), "Dear reader,\n");
        const QString empty = written(QStringLiteral("empty.pdf"), QByteArray());
        const QString locked = written(QStringLiteral("locked.pdf"), "%PDF-1.4\n");
        QFile::setPermissions(locked, QFileDevice::Permissions());
        const CommandLine commandLine({QStringLiteral("sheafwright"), missing, good, m_dir.path(), text, empty, locked});
        // Root reads any file: then the unreadable one opens like the others.
        const bool rootReads = QFile(locked).open(QIODevice::ReadOnly);
        QCOMPARE(commandLine.files(), (rootReads ? QStringList{good, locked} : QStringList{good}));
        QStringList expected{
            QStringLiteral("%1 does not exist.").arg(missing),
            QStringLiteral("%1 is a folder, not a PDF file.").arg(m_dir.path()),
            QStringLiteral("%1 is not a PDF file.").arg(text),
            QStringLiteral("%1 is not a PDF file.").arg(empty),
        };
        if (!rootReads)
            expected << QStringLiteral("%1 cannot be read.").arg(locked);
        QCOMPARE(commandLine.problems(), expected);

        // The person sees them in a message over the window.
        MainView view;
        view.show();
        FileOpener::open(&view, {good});
        QCOMPARE(view.tabWidget()->currentIndex(), 1);
        QString shownCaption;
        QString shownText;
        answerNextModal([&](QWidget *modal) {
            if (auto *message = qobject_cast<MessageView *>(modal)) {
                shownText = message->text();
                for (QLabel *label : message->findChildren<QLabel *>())
                    if (label->text() == QLatin1String("Files not opened"))
                        shownCaption = label->text();
                message->accept();
            }
        });
        FileOpener::reportProblems(&view, commandLine.problems());
        QCOMPARE(shownCaption, QStringLiteral("Files not opened"));
        QCOMPARE(shownText, expected.join(QLatin1Char('\n')));
        QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }

    void onePdfOpensOnTheSplitScreen()
    {
        const QString file = QFileInfo(TestPaths::fixture(QStringLiteral("11-pages-with-labels.pdf"))).absoluteFilePath();
        const CommandLine commandLine({QStringLiteral("sheafwright"), file});
        MainView view;
        view.show();
        QCOMPARE(view.tabWidget()->currentIndex(), 0);
        FileOpener::open(&view, commandLine.files());
        QCOMPARE(view.tabWidget()->currentIndex(), 1);
        Split *split = Application::instance()->split();
        QCOMPARE(split->fileName(), file);
        QCOMPARE(split->pageCount(), 11);
        auto *screen = qobject_cast<SplitView *>(view.splitScreen());
        QCOMPARE(screen->preview()->currentPage(), 1);
        QCOMPARE(Application::instance()->merge()->model()->count(), 0);
    }

    void severalPdfsGoToTheMergeListInTheOrderGiven()
    {
        // Not alphabetical, so a sorted list would show.
        const QStringList files{numbered(QStringLiteral("zebra.pdf"), 2),
                                TestPaths::fixture(QStringLiteral("direct-outlines.pdf")),
                                numbered(QStringLiteral("apple.pdf"), 1)};
        const CommandLine commandLine(QStringList{QStringLiteral("sheafwright")} + files);
        MainView view;
        view.show();
        FileOpener::open(&view, commandLine.files());
        QCOMPARE(view.tabWidget()->currentIndex(), 2);
        auto *screen = qobject_cast<MergeView *>(view.mergeScreen());
        waitForMergeRows(screen, 3);
        QCOMPARE(mergeNames(), (QStringList{QStringLiteral("zebra.pdf"), QStringLiteral("direct-outlines.pdf"),
                                            QStringLiteral("apple.pdf")}));
        QCOMPARE(screen->model()->totalPages(), 33);
        QVERIFY(!Application::instance()->split()->isLoaded());
    }

    void ctrlOOnTheStartScreenOpensTheChosenFiles()
    {
        const QString first = numbered(QStringLiteral("first.pdf"), 2);
        const QString second = numbered(QStringLiteral("second.pdf"), 3);
        MainView view;
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));

        // Two files from the dialog: the merge list, in the order chosen.
        answerFileDialog(m_dir.path(), {QStringLiteral("second.pdf"), QStringLiteral("first.pdf")});
        activate(&view);
        QTest::keyClick(&view, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(view.tabWidget()->currentIndex(), 2);
        waitForMergeRows(qobject_cast<MergeView *>(view.mergeScreen()), 2);
        QCOMPARE(mergeNames(), (QStringList{QStringLiteral("second.pdf"), QStringLiteral("first.pdf")}));

        // One file: the split screen.
        view.tabWidget()->setCurrentIndex(0);
        answerFileDialog(m_dir.path(), {QStringLiteral("first.pdf")});
        activate(&view);
        QTest::keyClick(&view, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(view.tabWidget()->currentIndex(), 1);
        QCOMPARE(Application::instance()->split()->fileName(), first);

        // A cancelled dialog changes nothing.
        view.tabWidget()->setCurrentIndex(0);
        answerFileDialog(m_dir.path(), {});
        activate(&view);
        QTest::keyClick(&view, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(view.tabWidget()->currentIndex(), 0);
        QCOMPARE(Application::instance()->split()->fileName(), first);
    }

    // Standard error carries what went wrong, not the start-up trace (that
    // goes to the log file), unless the trace is asked for.
    void aBadOptionPrintsOnlyTheError()
    {
        for (const bool verbose : {false, true}) {
            QProcess program;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.remove(QStringLiteral("SHEAFWRIGHT_DEBUG"));
            program.setProcessEnvironment(env);
            QStringList arguments{QStringLiteral("--bogus")};
            if (verbose)
                arguments.prepend(QStringLiteral("--verbose"));
            program.start(TestPaths::binDir() + QStringLiteral("/sheafwright"), arguments);
            QVERIFY(program.waitForFinished(30000));
            QCOMPARE(program.exitCode(), 2);
            const QString err = QString::fromUtf8(program.readAllStandardError());
            QVERIFY2(err.contains(QStringLiteral("Unknown option 'bogus'.")), qPrintable(err));
            QCOMPARE(err.contains(QStringLiteral("Settings path:")), verbose);
        }
        QFile log(Logger::instance().logFilePath());
        QVERIFY(log.open(QIODevice::ReadOnly));
        QVERIFY(log.readAll().contains("Settings path:"));
    }

    // "sheafwright a.pdf b.pdf" while a window is open: the program hands
    // the files (and why others were left out) to that window and ends,
    // instead of opening a second window on top of the first.
    void secondStartHandsItsFilesToTheRunningWindow()
    {
        MainView view;
        view.show();
        const QString socket = SingleInstance::defaultSocketPath();
        QVERIFY(!socket.isEmpty());
        SingleInstance instance(socket);
        QVERIFY(instance.listen());
        QStringList problems;
        connect(&instance, &SingleInstance::received, &view,
                [&view, &problems](const QStringList &files, const QStringList &leftOut) {
                    FileOpener::open(&view, files);
                    problems = leftOut;
                });
        // Only one window listens.
        SingleInstance other(socket);
        QVERIFY(!other.listen());

        const QString zebra = numbered(QStringLiteral("zebra.pdf"), 2);
        const QString apple = numbered(QStringLiteral("apple.pdf"), 1);
        QProcess second;
        second.start(TestPaths::binDir() + QStringLiteral("/sheafwright"),
                     {zebra, m_dir.filePath(QStringLiteral("missing.pdf")), apple});
        // The event loop runs meanwhile: this window answers.
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 30000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(view.tabWidget()->currentIndex(), 2);
        waitForMergeRows(qobject_cast<MergeView *>(view.mergeScreen()), 2);
        QCOMPARE(mergeNames(), (QStringList{QStringLiteral("zebra.pdf"), QStringLiteral("apple.pdf")}));
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems.first().contains(QStringLiteral("missing.pdf")), qPrintable(problems.first()));
    }

    // A window that does not answer in time (busy) keeps nothing: the new
    // start opens its own. A socket left by a window that crashed is found
    // dead and taken over.
    void handOverNeverOpensFilesTwiceAndOutlivesACrash()
    {
        const QString socket = m_dir.filePath(QStringLiteral("instance"));
        SingleInstance busy(socket);
        QVERIFY(busy.listen());
        QSignalSpy received(&busy, &SingleInstance::received);
        // This thread waits in handOver: the window cannot answer.
        QVERIFY(!SingleInstance::handOver(socket, {QStringLiteral("/tmp/a.pdf")}, {}, 300));
        QTest::qWait(300);
        QCOMPARE(received.count(), 0);

        // A socket file nobody listens on any more.
        {
            const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            QVERIFY(fd >= 0);
            sockaddr_un address = {};
            address.sun_family = AF_UNIX;
            const QByteArray path = QFile::encodeName(m_dir.filePath(QStringLiteral("crashed")));
            std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
            QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
            ::close(fd);
        }
        const QString crashed = m_dir.filePath(QStringLiteral("crashed"));
        QVERIFY(QFileInfo::exists(crashed));
        QVERIFY(!SingleInstance::handOver(crashed, {}, {}, 3000));
        SingleInstance next(crashed);
        QVERIFY(next.listen());
    }
};

int main(int argc, char **argv)
{
    Application app(argc, argv);
    TestOpenFiles test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_openfiles.moc"
