#include "widgets/Compositor.h"

#include <QGuiApplication>

#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && defined(SW_HAVE_X11EXTRAS)
#include <QX11Info>
#endif

int Compositor::s_override = -1;

bool Compositor::isRunning()
{
    if (s_override >= 0)
        return s_override == 1;
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && defined(SW_HAVE_X11EXTRAS)
    if (QX11Info::isPlatformX11())
        return QX11Info::isCompositingManagerRunning();
#endif
    return true;
}

void Compositor::setOverride(int running)
{
    s_override = running;
}
