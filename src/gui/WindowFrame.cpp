#include "gui/WindowFrame.h"

#include "platform/forms/Form.h"

#include <algorithm>

namespace gui {

int WindowFrame::clientHeight(int outerHeight) const {
    return std::max(outerHeight - TForm::kTitleHeight - (hasMenu ? TForm::kMenuHeight : 0), 0);
}

QSize WindowFrame::windowSize(int outerWidth, int outerHeight) const {
    return {outerWidth, clientHeight(outerHeight) + (hasMenu ? menuBarHeight : 0)};
}

QSize WindowFrame::outerSize(QSize window) const {
    int client = std::max(window.height() - (hasMenu ? menuBarHeight : 0), 0);
    return {window.width(), client + TForm::kTitleHeight + (hasMenu ? TForm::kMenuHeight : 0)};
}

} // namespace gui
