// The slip's page as the front end paints it: into a picture, as the
// preview does, and into a PDF of the template's paper; and the report's
// paper as Qt's page layout.

#include "gui/ReportPainting.h"

#include "platform/report/TemplateFile.h"
#include "support/TempDir.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

// The shipped slip with the marks of "3,11,19,27,44,2,9" in slot 1.
TPreparedPage slotOneMarked() {
    TReport report;
    EXPECT_TRUE(report.LoadFromFile(std::string(SLIP_TEMPLATE_DIR) + "/EM_France.fr3"));
    const struct {
        const char* name;
        double left, top;
    } marks[] = {{"Zahl1_1", 77, 164.4},  {"Zahl2_1", 147, 178.4},  {"Zahl3_1", 105, 192.4}, {"Zahl4_1", 49, 234.4},
                 {"Zahl5_1", 91, 276.4},  {"Stern1_1", 68, 327.4}, {"Stern2_1", 49, 365.4}};
    for (const auto& m : marks) {
        TReportMemoView* view = report.FindMemoView(m.name);
        EXPECT_NE(view, nullptr) << m.name;
        if (!view) continue;
        view->Left = m.left;
        view->Top = m.top;
        view->Text = "x";
    }
    report.PrepareReport();
    return report.PreparedPages().front();
}

int darkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++dark;
    return dark;
}

}  // namespace

TEST(ReportPainting, MarksAppearOnTheirCellsAndNowhereElse) {
    const TPreparedPage page = slotOneMarked();
    // A4 at one pixel a page unit.
    QImage image(794, 1123, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        gui::PaintPreparedPage(painter, page, QRectF(0, 0, 793.7, 1122.5));
    }
    image.save(QString(GUI_TEST_OUTPUT_DIR) + "/slip_page.png");
    for (const TPreparedMemo& memo : page.Memos) {
        const QRect cell(static_cast<int>(memo.Left), static_cast<int>(memo.Top), 14, 14);
        if (memo.Text.empty())
            EXPECT_EQ(darkPixels(image, cell), 0) << memo.Name;
        else
            EXPECT_GT(darkPixels(image, cell), 4) << memo.Name;
    }
    // Slot 2's first cell and the paper's corner stay white.
    EXPECT_EQ(darkPixels(image, QRect(151, 164, 14, 14)), 0);
    EXPECT_EQ(darkPixels(image, QRect(0, 0, 40, 40)), 0);
}

TEST(ReportPainting, APdfHasOnePageOfTheTemplatesPaper) {
    const TPreparedPage page = slotOneMarked();
    TempDir dir;
    const QString path = QString::fromStdString(dir.file("slip.pdf"));
    {
        QPdfWriter writer(path);
        writer.setPageLayout(gui::PageLayoutOf(page.Paper));
        QPainter painter(&writer);
        gui::PaintPreparedPage(painter, page, QRectF(0, 0, writer.width(), writer.height()));
    }
    const std::string pdf = readFileBytes(path.toStdString());
    ASSERT_EQ(pdf.rfind("%PDF", 0), 0u);
    EXPECT_NE(pdf.find("/Count 1"), std::string::npos);
    // A4 is 595.3 × 841.9 points.
    const size_t box = pdf.find("/MediaBox [");
    ASSERT_NE(box, std::string::npos);
    double x0 = -1, y0 = -1, width = 0, height = 0;
    ASSERT_EQ(std::sscanf(pdf.c_str() + box, "/MediaBox [%lf %lf %lf %lf", &x0, &y0, &width, &height), 4);
    EXPECT_NEAR(width, 595.3, 1);
    EXPECT_NEAR(height, 841.9, 1);
    EXPECT_EQ(pdf.find("/MediaBox [", box + 1), std::string::npos);
}

TEST(ReportPainting, PaperCodesAreQtsPageSizesAndComeBack) {
    struct Case {
        TPageSettings paper;
        QPageSize::PageSizeId id;
        double width, height;
    };
    const Case cases[] = {
        {{9, 210, 297, TPrinterOrientation::poPortrait}, QPageSize::A4, 210, 297},
        {{9, 297, 210, TPrinterOrientation::poLandscape}, QPageSize::A4, 297, 210},
        {{1, 215.9, 279.4, TPrinterOrientation::poPortrait}, QPageSize::Letter, 215.9, 279.4},
        {{8, 297, 420, TPrinterOrientation::poPortrait}, QPageSize::A3, 297, 420},
        {{11, 148, 210, TPrinterOrientation::poPortrait}, QPageSize::A5, 148, 210},
        {{256, 100, 150, TPrinterOrientation::poPortrait}, QPageSize::Custom, 100, 150},
        {{256, 150, 100, TPrinterOrientation::poLandscape}, QPageSize::Custom, 150, 100},
    };
    for (const Case& c : cases) {
        const QPageLayout layout = gui::PageLayoutOf(c.paper);
        EXPECT_EQ(layout.pageSize().id(), c.id) << c.paper.PaperSize;
        const QRectF full = layout.fullRect(QPageLayout::Millimeter);
        EXPECT_NEAR(full.width(), c.width, 0.5) << c.paper.PaperSize;
        EXPECT_NEAR(full.height(), c.height, 0.5) << c.paper.PaperSize;
        const TPageSettings back = gui::PaperOf(layout);
        EXPECT_EQ(back.PaperSize, c.paper.PaperSize);
        EXPECT_EQ(back.Orientation, c.paper.Orientation);
        EXPECT_NEAR(back.PaperWidth, c.width, 0.5);
        EXPECT_NEAR(back.PaperHeight, c.height, 0.5);
    }
}
