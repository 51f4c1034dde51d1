#include "gui/ChartPeer.h"

#include "gui/Appearance.h"
#include "gui/Attach.h"

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

        const std::string& xTitle = chart_.BottomAxis().Title().Caption();
        int left = fm.horizontalAdvance(valueText(high)) + 12;
        left = std::max(left, fm.horizontalAdvance(valueText(low)) + 12);
        int bottom = height() - fm.height() - 6 - (xTitle.empty() ? 0 : fm.height() + 2);
        int top = fm.height() + 6;
        int right = width() - 8;
        if (right <= left || bottom <= top) return;
        QRect plot(QPoint(left, top), QPoint(right, bottom));
        auto yOf = [&](double v) {
            double clamped = std::clamp(v, low, high);
            return bottom - static_cast<int>(std::lround((clamped - low) / (high - low) * (bottom - top)));
        };

        // The value axis in steps of 1, 2 or 5 times a power of ten.
        p.setPen(QColor(180, 180, 180));
        double step = std::pow(10.0, std::floor(std::log10((high - low) / 5)));
        for (double factor : {1.0, 2.0, 5.0, 10.0})
            if ((high - low) / (step * factor) <= 6) {
                step *= factor;
                break;
            }
        for (double v = std::ceil(low / step) * step; v <= high + step * 1e-9; v += step) {
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
        if (!xTitle.empty())
            p.drawText(QRect(left, height() - fm.height() - 4, right - left, fm.height()), Qt::AlignHCenter,
                       QString::fromStdString(xTitle));
        const std::string& yTitle = chart_.LeftAxis().Title().Caption();
        if (!yTitle.empty())
            p.drawText(QRect(left, 2, right - left, fm.height()), Qt::AlignLeft, QString::fromStdString(yTitle));
    }

private:
    TChart& chart_;
};

}  // namespace

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
