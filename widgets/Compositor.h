#pragma once

// Whether the desktop composites translucent windows. Without a compositing
// manager a translucent pixel is painted black, so the frameless windows'
// 20-pixel shadow margin would show as a thick black frame: they draw
// without it then. Decided once per window, when the window is built.
class Compositor
{
public:
    // X11: a compositing manager owns the screen's _NET_WM_CM_S<n>
    // selection. Wayland, Windows, macOS and the offscreen platform always
    // composite.
    static bool isRunning();

    // For tests: 1 pretends a compositor runs, 0 that none does, -1 asks
    // the desktop again.
    static void setOverride(int running);

private:
    static int s_override;
};
