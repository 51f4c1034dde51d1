// The list box shows the headless list's own lines through a model: every
// kind of change reaches the view, and selecting, double-clicking and
// scrolling work on long lists as on short ones.

#include "GuiFixture.h"

#include "gui/ListPeers.h"

#include <QAbstractItemView>
#include <QScrollBar>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

namespace {

class ListView : public GuiFixture {
protected:
    QAbstractItemView* view() const { return widgetOf<QAbstractItemView>(*list); }
    QAbstractItemModel* shown() const { return view()->model(); }
    std::vector<QString> shownLines() const {
        std::vector<QString> lines;
        for (int row = 0; row < shown()->rowCount(); ++row) lines.push_back(shown()->index(row, 0).data().toString());
        return lines;
    }
    std::vector<QString> heldLines() const {
        std::vector<QString> lines;
        for (std::string_view line : list->Items()) lines.push_back(gui::ShownLine(line, list->TabRun()));
        return lines;
    }
    void fill(int count) {
        TStringList lines;
        for (int i = 0; i < count; ++i) lines.Add(std::to_string(i % 50 + 1) + "\t2\t3\t4\t5\t\t\t1\t" + std::to_string(i));
        list->Items().Assign(lines);
        settle();
    }
    // Whether a row lies wholly between the top and the bottom of the visible part of the list.
    bool visible(int row) const {
        const QRect line = view()->visualRect(shown()->index(row, 0));
        return line.top() >= 0 && line.bottom() <= view()->viewport()->rect().bottom();
    }
};

}  // namespace

TEST_F(ListView, EveryChangeOfTheHeadlessListReachesTheView) {
    ASSERT_NE(view(), nullptr);
    list->SetTabRun(3);
    const std::vector<std::function<void(TStringList&)>> changes = {
        [](TStringList& l) { l.Add("11\t12\t13\t14\t15\t\t\t6\t7"); },
        [](TStringList& l) { l.Insert(0, "first"); },
        [](TStringList& l) { l.Insert(2, "\t\t\t\tfour TABs"); },
        [](TStringList& l) { l.SetStrings(1, "replaced"); },
        [](TStringList& l) { l.Delete(3); },
        [](TStringList& l) { l.Exchange(0, 2); },
        [](TStringList& l) { l.Sort(); },
        [](TStringList& l) { l.SetText("a\r\nb\r\nc\r\n"); },
        [](TStringList& l) {
            l.BeginUpdate();
            l.Clear();
            l.Add("x");
            l.Add("y");
            l.Add("z");
            l.EndUpdate();
        },
        [](TStringList& l) { l.Clear(); },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        changes[i](list->Items());
        EXPECT_EQ(shownLines(), heldLines()) << "after change " << i;
    }
    // A view shows a list put in before it: the list's lines, from the start.
    list->Items().Add("1\t\t\t2");
    list->SetTabRun(0);
    EXPECT_EQ(shownLines(), std::vector<QString>{"1\t\t\t2"});
}

TEST_F(ListView, ALongListIsSelectedScrolledToAndDoubleClickedAsAShortOne) {
    fill(100000);
    ASSERT_EQ(shown()->rowCount(), 100000);
    EXPECT_EQ(shown()->index(76543, 0).data().toString(), gui::ShownLine(list->Items()[76543], list->TabRun()));

    // The program's selection shows and is scrolled to (the result list
    // follows the tip list so).
    list->SetItemIndex(76543);
    settle();
    EXPECT_EQ(view()->currentIndex().row(), 76543);
    EXPECT_TRUE(view()->selectionModel()->isSelected(shown()->index(76543, 0)));
    EXPECT_TRUE(visible(76543));

    // The user's click selects the line under the mouse, a double click
    // comes with it selected.
    std::vector<int> clicked, doubled;
    list->OnClick = [&](TObject*) { clicked.push_back(list->ItemIndex()); };
    list->OnDblClick = [&](TObject*) { doubled.push_back(list->ItemIndex()); };
    const int other = 76541;  // a line above the selected one, in sight
    ASSERT_TRUE(visible(other));
    const QPoint at = view()->visualRect(shown()->index(other, 0)).center();
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view()->viewport(), Qt::LeftButton, {}, at);
    settle();
    EXPECT_EQ(list->ItemIndex(), other);
    EXPECT_EQ(clicked.front(), other);
    EXPECT_EQ(doubled, std::vector<int>{other});

    // The list made again with as many lines (every check of the result
    // list) keeps the selection and the place the user scrolled to.
    view()->verticalScrollBar()->setValue(view()->verticalScrollBar()->value() + 100);
    const int scrolled = view()->verticalScrollBar()->value();
    fill(100000);
    EXPECT_EQ(view()->verticalScrollBar()->value(), scrolled);
    EXPECT_EQ(view()->currentIndex().row(), other);

    // Lines added at the end do not move the view; a shorter list drops a
    // selection beyond its end.
    list->Items().Add("1\t2\t3\t4\t5\t\t\t6\t7");
    settle();
    EXPECT_EQ(view()->verticalScrollBar()->value(), scrolled);
    fill(10);
    EXPECT_EQ(list->ItemIndex(), -1);
    EXPECT_FALSE(view()->currentIndex().isValid());
}

// The view works out each line from its row alone: the keys reach every
// line of a long list, each choice selects the line in the list and keeps
// it in sight.
TEST_F(ListView, KeysMoveTheSelectionThroughALongList) {
    fill(100000);
    view()->setFocus();
    settle();
    std::vector<int> clicked;
    list->OnClick = [&](TObject*) { clicked.push_back(list->ItemIndex()); };
    // A page is the lines wholly in sight.
    const auto page = [&] { return view()->viewport()->height() / list->ItemHeight; };
    ASSERT_GT(page(), 1);
    struct Step {
        Qt::Key key;
        std::function<int()> line;
    };
    const Step steps[] = {
        {Qt::Key_Home, [] { return 0; }},
        {Qt::Key_Down, [] { return 1; }},
        {Qt::Key_PageDown, [&] { return 1 + page(); }},
        {Qt::Key_End, [] { return 99999; }},
        {Qt::Key_Down, [] { return 99999; }},
        {Qt::Key_Up, [] { return 99998; }},
        {Qt::Key_PageUp, [&] { return 99998 - page(); }},
        {Qt::Key_Home, [] { return 0; }},
        {Qt::Key_Up, [] { return 0; }},
    };
    std::vector<int> expected;
    int previous = list->ItemIndex();
    for (const Step& step : steps) {
        const int line = step.line();
        QTest::keyClick(view(), step.key);
        settle();
        EXPECT_EQ(list->ItemIndex(), line) << QTest::toString(step.key);
        EXPECT_TRUE(visible(line)) << QTest::toString(step.key);
        if (line != previous) expected.push_back(line);
        previous = line;
    }
    // A key that finds no other line selects nothing new.
    EXPECT_EQ(clicked, expected);
}

TEST_F(ListView, TheWidthMeterMeasuresAsTheListDraws) {
    const QFontMetrics metrics(view()->font());
    const std::string lines[] = {
        "", "7", "\t", "12\t34\t\t\t5\t6", "1\t2\t3\t4\t5\t\t\t\t\t\t\tein Kommentar", "\t\t\t\t\t\t\t",
        "Größe\tÜbersicht\t汉字", std::string(40, 'W') + "\t" + std::string(40, 'W'), "a\t\tb\t\t\tc\t\t\t\td",
    };
    for (int tabRun : {0, 1, 3})
        for (int tabStop : {1, 13, 40}) {
            gui::TabbedWidthMeter measure(metrics, tabStop, tabRun);
            for (int round = 0; round < 2; ++round)  // measured, then from what it kept
                for (const std::string& line : lines)
                    EXPECT_EQ(measure(line), gui::TabbedTextWidth(gui::ShownLine(line, tabRun), metrics, tabStop))
                        << line << " run " << tabRun << " stop " << tabStop;
        }
}

TEST_F(ListView, TheWidestLineDecidesHowFarTheListScrollsSideways) {
    list->Items().Clear();
    list->Items().Add("1\t2");
    settle();
    EXPECT_FALSE(view()->horizontalScrollBar()->isVisible());
    list->Items().Add(std::string(200, 'W'));
    settle();
    EXPECT_TRUE(view()->horizontalScrollBar()->isVisible());
    list->Items().Delete(1);
    settle();
    EXPECT_FALSE(view()->horizontalScrollBar()->isVisible());
}

TEST_F(ListView, ChangesHeldDuringALongCommandReachTheViewTogether) {
    const std::string wide(200, 'W');
    struct Case {
        const char* what;
        std::vector<std::string> before;
        std::function<void(TStringList&)> change;
        bool sideways;  // whether the lines after it scroll sideways
    };
    const Case cases[] = {
        {"two lines replaced", {"a", "b", "c", "d"},
         [&](TStringList& l) {
             l.SetStrings(0, wide);
             l.SetStrings(3, "e");
         },
         true},
        {"the wide line deleted, one added, one replaced", {wide, "b", "c", "d"},
         [](TStringList& l) {
             l.Delete(0);
             l.Add("z");
             l.SetStrings(1, "q");
         },
         false},
    };
    for (const Case& c : cases) {
        TStringList lines;
        for (const std::string& line : c.before) lines.Add(line);
        list->Items().Assign(lines);
        settle();
        platform.LongCommandStarted();
        c.change(list->Items());
        platform.LongCommandEnded();
        settle();
        EXPECT_EQ(shownLines(), heldLines()) << c.what;
        EXPECT_EQ(view()->horizontalScrollBar()->isVisible(), c.sideways) << c.what;
    }
}
