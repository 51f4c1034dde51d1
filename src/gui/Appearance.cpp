#include "gui/Appearance.h"

#include <QApplication>
#include <QWidget>

namespace gui {

std::optional<QPalette::ColorRole> SystemColorRole(TColor color) {
    if (!IsSystemColor(color)) return std::nullopt;
    switch (color & 0xFF) {
    case 5: return QPalette::Base;              // clWindow
    case 8: return QPalette::Text;              // clWindowText
    case 13: return QPalette::Highlight;        // clHighlight
    case 14: return QPalette::HighlightedText;  // clHighlightText
    case 18: return QPalette::ButtonText;       // clBtnText
    case 23: return QPalette::ToolTipText;      // clInfoText
    case 24: return QPalette::ToolTipBase;      // clInfoBk
    default: return QPalette::Window;           // clBtnFace and the other surfaces
    }
}

QColor ToQColor(TColor color) {
    if (auto role = SystemColorRole(color)) return QApplication::palette().color(QPalette::Active, *role);
    if (color == clDefault) return QApplication::palette().color(QPalette::Active, QPalette::Window);
    auto c = static_cast<uint32_t>(color);
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

QFont ToQFont(const TFont& font) {
    QFont f(QString::fromStdString(font.Name));
    f.setPixelSize(std::max(-font.Height(), 1));
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    return f;
}

std::optional<QCursor> ToQCursor(TCursor cursor) {
    switch (cursor) {
    case crArrow: return QCursor(Qt::ArrowCursor);
    case crHourGlass: return QCursor(Qt::WaitCursor);
    case crHandPoint: return QCursor(Qt::PointingHandCursor);
    default: return std::nullopt;
    }
}

void ApplyBackground(QWidget& widget, TColor color, QPalette::ColorRole role, bool fill) {
    QPalette palette = widget.palette();
    QColor c = ToQColor(color);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) palette.setColor(group, role, c);
    widget.setPalette(palette);
    widget.setAutoFillBackground(fill);
}

void ApplyTextColor(QWidget& widget, TColor color) {
    QPalette palette = widget.palette();
    QColor c = ToQColor(color);
    for (auto group : {QPalette::Active, QPalette::Inactive})
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) palette.setColor(group, role, c);
    widget.setPalette(palette);
}

} // namespace gui
