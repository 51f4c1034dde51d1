// The slip window's block previews as the front end draws them: at the
// default cell sizes (14 pixels a number cell, 19 a star cell) every number
// shows whole inside its own cell, the two-digit ones too.

#include "GuiFixture.h"

#include "gui/Attach.h"
#include "gui/GridCells.h"
#include "output/anders.h"

#include <QImage>
#include <QTableWidget>

namespace {

using SlipPreviewGrids = GuiFixture;

// The box around the dark pixels of `area`; empty when there are none.
QRect inkIn(const QImage& image, const QRect& area) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 110) ink |= QRect(x, y, 1, 1);
    return ink;
}

} // namespace

TEST_F(SlipPreviewGrids, EveryNumberShowsWholeInItsCell) {
    TForm8 slip(form);
    slip.MaxZahl = 50;
    slip.MaxEuroZahl = 12;
    slip.Button1Click(nullptr);
    gui::Show(slip);
    settle();

    struct Grid {
        TTabSheet* page;
        TStringGrid* grid;
        int highest;
    };
    for (const Grid& g : {Grid{slip.TabSheet2, slip.DrawGrid1, 50}, Grid{slip.TabSheet3, slip.StringGrid2, 12}}) {
        slip.PageControl1->SetActivePage(g.page);
        settle();
        auto* table = widgetOf<QTableWidget>(*g.grid);
        ASSERT_NE(table, nullptr);
        table->clearSelection();
        settle();
        const QImage image = table->viewport()->grab().toImage();
        const QRect seen = table->viewport()->rect();
        image.save(QString::fromStdString(std::string(GUI_TEST_OUTPUT_DIR) + "/slip_grid_" + g.grid->Name() + ".png"));
        int numbers = 0;
        for (int r = 0; r < g.grid->RowCount(); ++r)
            for (int c = 0; c < g.grid->ColCount(); ++c) {
                const std::string text = g.grid->Cells(c, r);
                const QRect cell = table->visualRect(table->model()->index(r, c));
                EXPECT_EQ(table->columnWidth(c), g.grid->DefaultColWidth) << g.grid->Name();
                EXPECT_EQ(table->rowHeight(r), g.grid->DefaultRowHeight) << g.grid->Name();
                ASSERT_TRUE(seen.contains(cell)) << g.grid->Name() << " " << text << " lies outside the view";
                const QRect ink = inkIn(image, cell);
                if (text == " ") {
                    EXPECT_TRUE(ink.isEmpty()) << g.grid->Name() << " " << r << "," << c;
                    continue;
                }
                ++numbers;
                // Drawn, tall enough to read, and not cut at the cell's sides.
                ASSERT_FALSE(ink.isEmpty()) << g.grid->Name() << " " << text;
                EXPECT_GE(ink.height(), 5) << g.grid->Name() << " " << text;
                EXPECT_TRUE(cell.adjusted(1, 0, -1, 0).contains(ink)) << g.grid->Name() << " " << text;
                if (text.size() == 2) {
                    EXPECT_GE(ink.width(), 7) << g.grid->Name() << " " << text;
                }
            }
        EXPECT_EQ(numbers, g.highest) << g.grid->Name();
    }
}

TEST(GridCellText, ShrinksOnlyWhatDoesNotFitAndNeverBelowTheSmallestSize) {
    QFont base("DejaVu Sans");
    base.setPixelSize(12);
    EXPECT_EQ(gui::CellTextFont(base, "7", QSize(19, 19)).pixelSize(), 12);
    const QFont small = gui::CellTextFont(base, "50", QSize(14, 14));
    EXPECT_LT(small.pixelSize(), 12);
    EXPECT_GE(small.pixelSize(), gui::kSmallestCellTextPixels);
    EXPECT_LE(QFontMetrics(small).horizontalAdvance("50"), 12);
    EXPECT_EQ(gui::CellTextFont(base, "123456789", QSize(14, 14)).pixelSize(), gui::kSmallestCellTextPixels);
}
