#include "app/Application.h"
#include "app/CrashInstaller.h"
#include "merge/MergeItem.h"
#include "shell/MainView.h"
#include "shell/SplashScreen.h"

#include <QPixmap>
#include <QPixmapCache>

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    CrashInstaller crashInstaller;
    // 100 MB for rendered pages.
    QPixmapCache::setCacheLimit(102400);
    // Merge-item lists travel through queued connections from reader threads.
    qRegisterMetaType<MergeItemList>("MergeItemList");

    const QPixmap splashPicture(QStringLiteral(":/style/images/splash.png"));
    SplashScreen splash(splashPicture);
    splash.show();
    splash.showLoading(3);

    MainView mainView;
    mainView.show();
    splash.finish(&mainView);
    return app.exec();
}
