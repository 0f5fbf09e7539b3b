#include "shell/FileOpener.h"

#include "app/Application.h"
#include "shell/MainView.h"
#include "split/Split.h"
#include "widgets/MessageView.h"

void FileOpener::open(MainView *view, const QStringList &files)
{
    auto *app = Application::instance();
    if (!view || !app || files.isEmpty())
        return;
    if (files.size() == 1) {
        view->onNavigateToSplit();
        // A running split keeps its document; the screen shows its progress.
        if (!app->split()->isRunning())
            app->split()->load(files.first(), QString());
        return;
    }
    view->onNavigateToMergeAfterSplit(files);
}

QString FileOpener::reportProblems(QWidget *parent, const QStringList &problems)
{
    if (problems.isEmpty())
        return QString();
    const QString text = problems.join(QLatin1Char('\n'));
    const QString caption = problems.size() == 1 ? tr("File not opened") : tr("Files not opened");
    MessageView *message = MessageView::createMessage(caption, text, parent);
    message->exec();
    message->deleteLater();
    return text;
}
