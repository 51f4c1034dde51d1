#include "gui/CaptionFit.h"

#include "gui/Text.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>

#include <algorithm>
#include <climits>
#include <cmath>

namespace gui {

namespace {

constexpr QChar kEllipsis(0x2026);
// Room kept free beside a push button's text, so it does not touch the frame.
constexpr int kButtonPadding = 2;
// The style's margin on either side of a group box's title.
constexpr int kTitleMargin = 8;

int PixelSizeOf(const QFont& font) {
    if (font.pixelSize() > 0) return font.pixelSize();
    return std::max(QFontInfo(font).pixelSize(), 1);
}

QFont Sized(QFont font, int pixels) {
    font.setPixelSize(pixels);
    return font;
}

// The start of the caption that shows `count` characters, marks kept.
QString Start(const QString& caption, bool mnemonics, qsizetype count) {
    QString start;
    qsizetype shown = 0;
    for (qsizetype i = 0; i < caption.size() && shown < count; ++i) {
        if (mnemonics && caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                start += u"&&";
                ++i;
                ++shown;
            } else {
                start += u'&';
            }
            continue;
        }
        start += caption[i];
        ++shown;
    }
    // A cut between the halves of a surrogate pair would leave half a character.
    if (!start.isEmpty() && start.back().isHighSurrogate()) start.chop(1);
    // A lone mark at the end would underline the ellipsis.
    if (mnemonics && start.endsWith(u'&') && !start.endsWith(u"&&")) start.chop(1);
    // Blanks before the ellipsis only take room.
    while (!start.isEmpty() && start.back() == u' ') start.chop(1);
    return start;
}

}  // namespace

TextFits FitsOnOneLine(int room) {
    return [room](const QFont& font, const QString& text) {
        return QFontMetrics(font).horizontalAdvance(text) <= room;
    };
}

TextFits FitsWrapped(QSize room) {
    return [room](const QFont& font, const QString& text) {
        QRect needed = QFontMetrics(font).boundingRect(QRect(0, 0, room.width(), INT_MAX / 2),
                                                       Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);
        return needed.width() <= room.width() && needed.height() <= room.height();
    };
}

QString VisibleText(const QString& caption, bool mnemonics) {
    return mnemonics ? WithoutAccelerators(caption) : caption;
}

FittedCaption FitCaption(const QString& caption, bool mnemonics, const QFont& font, int minPixelSize,
                         const TextFits& fits) {
    const int size = PixelSizeOf(font);
    FittedCaption result{caption, size, false};
    const QString shown = VisibleText(caption, mnemonics);
    if (shown.isEmpty() || fits(font, shown)) return result;
    const int smallest = std::clamp(minPixelSize, 1, size);
    // Nothing fits even one letter: drawn as it is, the control shows at
    // least its start.
    if (!fits(Sized(font, smallest), QString(kEllipsis))) return result;

    // The sizes lie a few pixels apart: the first that fits is the largest.
    for (int s = size - 1; s >= smallest; --s) {
        if (fits(Sized(font, s), shown)) {
            result.pixelSize = s;
            return result;
        }
    }

    // Cut: the longest start that fits with the ellipsis, found by halving.
    const QFont small = Sized(font, smallest);
    qsizetype low = 0, high = shown.size() - 1;
    while (low < high) {
        qsizetype mid = (low + high + 1) / 2;
        if (fits(small, Start(shown, false, mid) + kEllipsis)) low = mid;
        else high = mid - 1;
    }
    result.text = Start(caption, mnemonics, low) + kEllipsis;
    result.pixelSize = smallest;
    result.elided = true;
    return result;
}

int MinimumCaptionPixels(const QFont& windowFont) {
    return std::max(static_cast<int>(std::ceil(PixelSizeOf(windowFont) * 0.75)), 1);
}

int ButtonTextRoom(const QAbstractButton& button) {
    const QStyle* style = button.style();
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = button.rect();
    option.text = button.text();
    option.icon = button.icon();
    option.iconSize = button.iconSize();
    const int icon = button.icon().isNull() ? 0 : button.iconSize().width() + 4;
    if (qobject_cast<const QCheckBox*>(&button))
        return style->subElementRect(QStyle::SE_CheckBoxContents, &option, &button).width();
    if (qobject_cast<const QRadioButton*>(&button))
        return style->subElementRect(QStyle::SE_RadioButtonContents, &option, &button).width();
    if (qobject_cast<const QToolButton*>(&button)) {
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
        return button.width() - 2 * frame - 2 * kButtonPadding - icon;
    }
    return style->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width() - 2 * kButtonPadding - icon;
}

QString FitGroupBoxTitle(QGroupBox& box, const QString& title, const QFont& font, int width, int minPixelSize) {
    FittedCaption fit = FitCaption(title, false, font, minPixelSize, FitsOnOneLine(width - 2 * kTitleMargin));
    box.setFont(fit.fontFrom(font));
    box.setTitle(fit.text);
    return fit.elided ? title : QString();
}

QString ToolTipWith(const QString& wholeCaption, const QString& hint) {
    if (wholeCaption.isEmpty()) return hint;
    if (hint.isEmpty() || hint == wholeCaption) return wholeCaption;
    return wholeCaption + u'\n' + hint;
}

}  // namespace gui
