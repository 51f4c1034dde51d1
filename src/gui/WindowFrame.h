#pragma once
// A window's outer size as the forms keep it (title and menu bar of fixed
// heights included) and the size of the Qt window, which holds the client
// area and Qt's own menu bar. The two are mapped by fixed offsets in both
// directions, so a size read back is the size that was set and a stored
// size comes back unchanged at the next start.

#include <QSize>

namespace gui {

struct WindowFrame {
    bool hasMenu = false;
    int menuBarHeight = 0;  // Qt's menu bar, when there is a menu

    // The client area's height inside the outer height, as the form has it.
    int clientHeight(int outerHeight) const;
    QSize windowSize(int outerWidth, int outerHeight) const;
    QSize outerSize(QSize window) const;
};

} // namespace gui
