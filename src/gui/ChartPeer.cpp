#include "gui/ChartPeer.h"

#include "gui/Appearance.h"
#include "gui/Attach.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace gui {

namespace {

QString valueText(double v) {
    return std::fabs(v - std::round(v)) < 1e-9 ? QString::number(static_cast<long long>(std::llround(v)))
                                                : QString::number(v, 'f', 1);
}

class ChartWidget : public QWidget {
public:
    explicit ChartWidget(TChart& chart) : chart_(chart) { setAutoFillBackground(true); }

    // The part of the chart its window shows: a page smaller than the chart
    // (taller tabs than the design's, a scaled page) cuts its bottom off,
    // where the axis labels and the title go.
    QRect shownArea() const {
        QRect area(mapTo(window(), QPoint(0, 0)), size());
        for (const QWidget* w = parentWidget(); w; w = w->parentWidget()) {
            area &= QRect(w->mapTo(window(), QPoint(0, 0)), w->size());
            if (w->isWindow()) break;
        }
        return area.translated(-mapTo(window(), QPoint(0, 0)));
    }

    // Bars that all count something: the axis shows whole numbers only.
    bool wholeValues() const {
        for (const TBarSeries* s : chart_.SeriesList()) {
            if (!s->Active()) continue;
            for (int i = 0; i < s->Count(); ++i)
                if (std::fabs(s->YValues()[i] - std::round(s->YValues()[i])) > 1e-9) return false;
        }
        return true;
    }

protected:
    void paintEvent(QPaintEvent*) override {
        // What a paint does first: automatic axes take the bars' range.
        chart_.AdjustAxes();
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(rect(), ToQColor(chart_.Color()));
        QFontMetrics fm(font());
        const TAxisRange range = chart_.LeftAxis().Range();
        double low = range.Minimum, high = range.Maximum;
        if (high <= low) high = low + 1;

        const std::vector<double> ticks = ValueTicks(low, high, wholeValues());
        // The value axis is as wide as its widest label.
        int left = 0;
        for (double v : ticks) left = std::max(left, fm.horizontalAdvance(valueText(v)));
        left += 12;
        const QRect shown = shownArea().isEmpty() ? rect() : shownArea();
        const int areaBottom = shown.bottom() + 1;
        int right = std::min(width(), shown.right() + 1) - 8;
        if (right <= left) return;

        // The bottom axis title may be long (several figures side by side):
        // it wraps, and takes a smaller font when even that needs more than
        // two lines.
        const QString xTitle = QString::fromStdString(chart_.BottomAxis().Title().Caption());
        QFont titleFont = font();
        QRect titleRect;
        if (!xTitle.isEmpty()) {
            for (;;) {
                QFontMetrics tm(titleFont);
                titleRect = tm.boundingRect(QRect(0, 0, right + 4, 10000), Qt::AlignHCenter | Qt::TextWordWrap,
                                            xTitle);
                bool fits = titleRect.height() <= 2 * tm.lineSpacing() && titleRect.width() <= right + 4;
                int size = titleFont.pixelSize() > 0 ? titleFont.pixelSize() : QFontInfo(titleFont).pixelSize();
                if (fits || size <= 7) break;
                titleFont.setPixelSize(size - 1);
            }
        }
        int titleHeight = xTitle.isEmpty() ? 0 : titleRect.height() + 2;
        int bottom = areaBottom - fm.height() - 6 - titleHeight;
        int top = fm.height() + 6;
        if (bottom <= top) return;
        QRect plot(QPoint(left, top), QPoint(right, bottom));
        auto yOf = [&](double v) {
            double clamped = std::clamp(v, low, high);
            return bottom - static_cast<int>(std::lround((clamped - low) / (high - low) * (bottom - top)));
        };

        p.setPen(QColor(180, 180, 180));
        for (double v : ticks) {
            int y = yOf(v);
            p.drawLine(left, y, right, y);
            p.setPen(Qt::black);
            p.drawText(QRect(0, y - fm.height() / 2, left - 4, fm.height()), Qt::AlignRight | Qt::AlignVCenter,
                       valueText(v));
            p.setPen(QColor(180, 180, 180));
        }
        p.setPen(Qt::black);
        p.drawLine(left, top, left, bottom);
        p.drawLine(left, bottom, right, bottom);

        int count = 0;
        for (const TBarSeries* s : chart_.SeriesList())
            if (s->Active()) count = std::max(count, s->Count());
        if (count > 0) {
            double slot = static_cast<double>(plot.width()) / count;
            int labelEvery = std::max(1, static_cast<int>(std::ceil(fm.horizontalAdvance("000") / slot)));
            for (const TBarSeries* s : chart_.SeriesList()) {
                if (!s->Active()) continue;
                for (int i = 0; i < s->Count(); ++i) {
                    double v = s->YValues()[i];
                    int x0 = left + static_cast<int>(i * slot + slot * 0.15);
                    int x1 = left + static_cast<int>((i + 1) * slot - slot * 0.15);
                    int y0 = yOf(std::max(low, 0.0)), y1 = yOf(v);
                    QRect bar(QPoint(x0, std::min(y0, y1)), QPoint(std::max(x1, x0 + 1), std::max(y0, y1)));
                    p.fillRect(bar, ToQColor(s->ValueColor(i)));
                    p.setPen(Qt::black);
                    if (s->Marks().Visible() && slot >= fm.horizontalAdvance(valueText(v)) * 0.6)
                        p.drawText(QRect(x0 - 20, bar.top() - fm.height() - 1, x1 - x0 + 40, fm.height()),
                                   Qt::AlignHCenter | Qt::AlignBottom, valueText(v));
                    if (i % labelEvery == 0) {
                        QString label = s->Label(i).empty() ? valueText(s->XValues()[i])
                                                            : QString::fromStdString(s->Label(i));
                        p.drawText(QRect(x0 - 20, bottom + 2, x1 - x0 + 40, fm.height()), Qt::AlignHCenter, label);
                    }
                }
            }
        }
        if (!xTitle.isEmpty()) {
            p.setFont(titleFont);
            p.drawText(QRect(4, areaBottom - titleHeight - 2, right, titleHeight),
                       Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, xTitle);
            p.setFont(font());
        }
        const std::string& yTitle = chart_.LeftAxis().Title().Caption();
        if (!yTitle.empty())
            p.drawText(QRect(left, 2, right - left, fm.height()), Qt::AlignLeft, QString::fromStdString(yTitle));
    }

private:
    TChart& chart_;
};

}  // namespace

std::vector<double> ValueTicks(double low, double high, bool whole) {
    std::vector<double> ticks;
    if (!(high > low)) return ticks;
    // Steps of 1, 2 or 5 times a power of ten, at most six of them.
    double step = std::pow(10.0, std::floor(std::log10((high - low) / 5)));
    for (double factor : {1.0, 2.0, 5.0, 10.0})
        if ((high - low) / (step * factor) <= 6) {
            step *= factor;
            break;
        }
    if (whole) step = std::max(step, 1.0);
    for (double v = std::ceil(low / step - 1e-9) * step; v <= high + step * 1e-9; v += step)
        ticks.push_back(std::fabs(v) < step * 1e-9 ? 0.0 : v);
    return ticks;
}

ChartPeer::ChartPeer(TChart& chart) : ControlPeer(chart, new ChartWidget(chart)) {}

void ChartPeer::sync(TProperty property) {
    ControlPeer::sync(property);
    if (QWidget* w = widget(); w && w->isVisible()) w->update();
}

void RegisterChartPeer() {
    RegisterPeerFactory("TChart", [](TComponent& component) -> Peer* {
        auto* chart = dynamic_cast<TChart*>(&component);
        return chart ? new ChartPeer(*chart) : nullptr;
    });
}

} // namespace gui
