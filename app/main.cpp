#include "app/Application.h"
#include "app/CrashInstaller.h"
#include "merge/MergeItem.h"
#include "shell/SplashScreen.h"

#include <QLabel>
#include <QPixmap>
#include <QPixmapCache>

int main(int argc, char *argv[])
{
    Application app(argc, argv);
    CrashInstaller crashInstaller;
    QPixmapCache::setCacheLimit(102400);
    // Merge-item lists travel through queued connections from reader threads.
    qRegisterMetaType<MergeItemList>("MergeItemList");

    const QPixmap splashPicture(QStringLiteral(":/style/images/splash.png"));
    SplashScreen splash(splashPicture);
    splash.show();
    splash.showLoading(3);

    // The main window arrives with the shell; until then a plain window.
    QLabel window(QStringLiteral("Sheafwright"));
    window.resize(743, 506);
    window.show();
    splash.finish(&window);
    return app.exec();
}
