// The program as a user starts it, in process and offscreen: a program
// folder with a small history, a settings folder of its own, and a platform
// that fails the test on any message box. The main window is shown, every
// visible page is opened, a number is typed into a tip edit and the edit is
// left, the window is saved as pictures, and the window is closed.

#include "app/LottoZahlen.h"
#include "app/ProgramWindows.h"
#include "gui/Attach.h"
#include "gui/FrontEnd.h"
#include "gui/ListPeers.h"
#include "platform/registry/Registry.h"
#include "platform/rtl/FileUtils.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/StandInHost.h"
#include "support/TempDir.h"

#include "SmokeProgram.h"

#include <QApplication>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QScrollBar>
#include <QMouseEvent>
#include <QPointer>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <functional>

namespace {

using smoke::picture;
using smoke::settle;

// No modal window may come up either.
class NoBoxPlatform : public smoke::SmokePlatform {
public:
    using SmokePlatform::SmokePlatform;
    void ShowModal(TForm& form) override { ADD_FAILURE() << "modal window: " << form.Name(); }
};

smoke::PlatformFactory noBoxes() {
    return [](Platform& qt) { return std::make_unique<NoBoxPlatform>(qt); };
}

TEST(MainWindowSmoke, StartsShowsEveryPageTakesATipAndCloses) {
    TempDir program, config;
    // The draw update at the show finds no host, at once and without a name server.
    HostOverride noHost{"STELLIX_HOST1", ClosedPortUrl()};
    writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(120, EncodeDate(2025, 2, 11)));
    TRegistry::SetHiveFolder(config.home());
    qputenv("QT_QPA_PLATFORM", "offscreen");

    bool drove = false;
    auto drive = [&] {
        TForm1& f = *Form1;
        // Qt's own dialog texts are German, as the program's are.
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
        auto* tabs = qobject_cast<QTabWidget*>(gui::WidgetOf(*f.PageControl1));
        ASSERT_NE(tabs, nullptr);
        int shown = 0;
        for (int i = 0; i < f.PageControl1->PageCount(); ++i) {
            TTabSheet* page = f.PageControl1->Pages(i);
            if (!page->TabVisible()) continue;
            f.PageControl1->SetActivePage(page);
            settle();
            EXPECT_TRUE(gui::WidgetOf(*page)->isVisible()) << page->Name();
            ++shown;
            gui::WidgetOf(f)->window()->grab().save(
                QString::fromStdString(picture(("main_window_" + page->Name() + ".png").c_str())));
        }
        EXPECT_EQ(shown, 5);
        // Each parameter page as well.
        f.PageControl1->SetActivePage(f.TabSheet6);
        for (int i = 0; i < f.PageControl2->PageCount(); ++i) {
            f.PageControl2->SetActivePage(f.PageControl2->Pages(i));
            settle();
            gui::WidgetOf(f)->window()->grab().save(QString::fromStdString(
                picture(("main_window_" + f.PageControl2->Pages(i)->Name() + ".png").c_str())));
        }
        EXPECT_GT(f.Series2->Count(), 0);  // the number distribution drawn at the show

        // Every chart of the chart page, clicked as the user does.
        f.PageControl1->SetActivePage(f.TabSheet5);
        settle();
        const std::pair<TSpeedButton*, const char*> charts[] = {
            {f.SpeedButton2, "distribution"}, {f.SpeedButton9, "cross_sums"}, {f.SpeedButton1, "pairs"},
            {f.SpeedButton3, "triples"},      {f.SpeedButton12, "quads"},     {f.SpeedButton19, "overdue"},
            {f.SpeedButton20, "stars"},       {f.SpeedButton21, "overdue_stars"}, {f.SpeedButton29, "pairs_with"},
        };
        for (auto [button, name] : charts) {
            QTest::mouseClick(gui::WidgetOf(*button), Qt::LeftButton);
            settle();
            EXPECT_GT(f.Series2->Count(), 0) << name;
            gui::WidgetOf(f)->window()->grab().save(
                QString::fromStdString(picture((std::string("chart_") + name + ".png").c_str())));
        }

        // Maximised, the chart grows with the window and keeps its labels
        // and its bottom title in the part of it that the window shows.
        QWidget* window = gui::WidgetOf(f)->window();
        window->showMaximized();
        settle();
        EXPECT_GT(gui::WidgetOf(*f.Chart1)->height(), 500);
        window->grab().save(QString::fromStdString(picture("chart_pairs_with_maximised.png")));
        window->showNormal();
        settle();

        // The list view after a calculation of 12 tips in the grid, taken
        // over, and one in the list view: every line shows its five numbers
        // and both stars without scrolling.
        f.PageControl1->SetActivePage(f.TabSheet1);
        f.UpDown8->SetPosition(12);
        QTest::mouseClick(gui::WidgetOf(*f.BitBtn4), Qt::LeftButton);
        f.ListenansichtOhneClick(&f);
        QTest::mouseClick(gui::WidgetOf(*f.BitBtn4), Qt::LeftButton);
        settle();
        auto* tipList = qobject_cast<QAbstractItemView*>(gui::WidgetOf(*f.Gewinnzahlen));
        ASSERT_NE(tipList, nullptr);
        ASSERT_EQ(tipList->model()->rowCount(), 24);
        int tabStop = gui::TabStopPixels(f.Gewinnzahlen->TabWidth(), tipList->font());
        for (int i = 0; i < tipList->model()->rowCount(); ++i) {
            QString line = tipList->model()->index(i, 0).data().toString();
            EXPECT_EQ(line.count('\t'), 6) << line.toStdString();
            const std::string held = f.Gewinnzahlen->Items()[i];
            EXPECT_NE(held.find("\t\t\t"), std::string::npos) << "a line from the grid";
            EXPECT_EQ(line, gui::ShownLine(held, 3));
            EXPECT_LE(gui::TabbedTextWidth(line, QFontMetrics(tipList->font()), tabStop) +
                          2 * gui::TabStopDelegate::kMargin,
                      tipList->viewport()->width())
                << line.toStdString();
        }
        EXPECT_FALSE(tipList->horizontalScrollBar()->isVisible());
        gui::WidgetOf(f)->window()->grab().save(QString::fromStdString(picture("list_view.png")));
        // A line longer than the box can be scrolled to.
        f.Gewinnzahlen->Items().Add("1\t2\t3\t4\t5\t\t\t6\t7\t\t\t\t\tein langer Kommentar zum Tipp");
        settle();
        EXPECT_TRUE(tipList->horizontalScrollBar()->isVisible());
        f.Gewinnzahlen->Items().Clear();
        f.StandardansichtClick(&f);
        // An empty grid again: a typed number is sorted into its row when the
        // edit is left.
        for (int row = 0; row < kTipRows; ++row)
            for (TEdit* edit : f.Row(row).Edits) edit->SetText("");
        settle();
        auto* first = qobject_cast<QLineEdit*>(gui::WidgetOf(*f.TipEdit(1)));
        auto* second = qobject_cast<QLineEdit*>(gui::WidgetOf(*f.TipEdit(2)));
        ASSERT_TRUE(first && second);
        first->setFocus();
        first->selectAll();
        QTest::keyClicks(first, "7");
        second->setFocus();
        settle();
        EXPECT_EQ(f.TipEdit(1)->Text(), "7");
        gui::WidgetOf(f)->window()->grab().save(QString::fromStdString(picture("main_window.png")));
        drove = true;
        f.Close();
    };
    int exitCode = smoke::RunProgram(
        program.path().string(),
        [&] {
            drive();
            if (!drove) Form1->Close();  // a failed assertion ends the drive early
        },
        noBoxes());
    EXPECT_TRUE(drove);
    EXPECT_EQ(exitCode, 0);
    // The close step kept the settings and the typed tip.
    EXPECT_TRUE(FileExists(config.file("HKEY_CURRENT_USER.reg")));
    EXPECT_NE(readFileBytes(config.file("HKEY_CURRENT_USER.reg")).find("\"Edit1\"=\"7\""), std::string::npos);
    TRegistry::SetHiveFolder("");
}

TEST(MainWindowSmoke, AResizedWindowComesBackAtTheSameSize) {
    TempDir program, config;
    // The draw update at the show finds no host, at once and without a name server.
    HostOverride noHost{"STELLIX_HOST1", ClosedPortUrl()};
    writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(20, EncodeDate(2025, 2, 11)));
    TRegistry::SetHiveFolder(config.home());
    auto run = [&](const std::function<void(TForm1&)>& act) {
        return smoke::RunProgram(
            program.path().string(),
            [&] {
                act(*Form1);
                Form1->Close();
            },
            noBoxes());
    };
    int width = 0, height = 0, editTop = 0;
    EXPECT_EQ(run([&](TForm1& f) {
                  gui::WidgetOf(f)->window()->resize(700, 600);
                  settle();
                  width = f.Width();
                  height = f.Height();
                  editTop = f.TipEdit(7)->Top();
              }),
              0);
    EXPECT_EQ(width, 700);
    EXPECT_GT(height, 546);
    int again = 0, againHeight = 0, againTop = 0;
    EXPECT_EQ(run([&](TForm1& f) {
                  settle();
                  again = f.Width();
                  againHeight = f.Height();
                  againTop = f.TipEdit(7)->Top();
              }),
              0);
    EXPECT_EQ(again, width);
    EXPECT_EQ(againHeight, height);
    EXPECT_EQ(againTop, editTop);
    TRegistry::SetHiveFolder("");
}

// Presses and releases the left button on a widget from any thread.
void postClick(QWidget* widget) {
    const QPointF at(5, 5);
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonPress, at, widget->mapToGlobal(at),
                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at),
                                                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
}

TEST(MainWindowSmoke, TheStopButtonIsTheOneControlTheDrawUpdateHears) {
    TempDir program, config;
    HostOverride noHost{"STELLIX_HOST1", ClosedPortUrl()};
    writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(20, EncodeDate(2025, 2, 11)));
    TRegistry::SetHiveFolder(config.home());

    size_t requests = 0;
    bool idle = false;
    int previousClicks = 0;
    auto drive = [&] {
        TForm1& f = *Form1;
        f.PageControl1->SetActivePage(f.TabSheet4);
        settle();
        QPointer<QWidget> stop = gui::WidgetOf(*f.SpeedButton8);
        QPointer<QWidget> previous = gui::WidgetOf(*f.SpeedButton6);
        f.SpeedButton6->OnClick = [&](TObject*) { ++previousClicks; };
        // The user clicks the previous-draw button and then the stop button
        // while the first request runs; nothing else is new at the host.
        StandInHost host;
        std::atomic<bool> clicked{false};
        host.Handle("/lotto/stellix.asp", [&](const RecordedRequest&) {
            if (!clicked.exchange(true)) {
                postClick(previous);
                postClick(stop);
            }
            return StandInReply::Text("");
        });
        HostOverride first{"STELLIX_HOST1", host.BaseUrl()};
        QTest::mouseClick(gui::WidgetOf(*f.BitBtn1), Qt::LeftButton);
        requests = host.Requests().size();
        settle();
        idle = f.BitBtn1->Enabled() && !f.SpeedButton8->Visible() && !stop->isVisible();
        f.Close();
    };
    const int exitCode = smoke::RunProgram(program.path().string(), drive, noBoxes());
    EXPECT_EQ(exitCode, 0);
    TRegistry::SetHiveFolder("");

    // Many dates were due; the click ended the update after the first.
    EXPECT_EQ(requests, 1u);
    EXPECT_TRUE(idle);
    // The other click was held back and dropped, neither run during the
    // update nor after it.
    EXPECT_EQ(previousClicks, 0);
}

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST(MainWindowSmoke, ReplaysTheNumberDistributionTickByTickAndEndsByItself) {
    TempDir program, config;
    // The draw update at the show finds no host, at once and without a name server.
    HostOverride noHost{"STELLIX_HOST1", ClosedPortUrl()};
    writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(20, EncodeDate(2025, 2, 11)));
    TRegistry::SetHiveFolder(config.home());

    struct Tick {
        TDateTime end;
        double counted;
        int paintsBefore;     // at the start of its tick
        int paintsAfter = -1; // at the start of the next tick
    };
    std::vector<Tick> ticks;
    bool ended = false, endsShown = false;
    TDateTime endAfter = 0;
    double countedAtEnd = 0;
    auto drive = [&] {
        TForm1& f = *Form1;
        f.PageControl1->SetActivePage(f.TabSheet5);
        settle();
        PaintCounter counter;
        gui::WidgetOf(*f.Chart1)->installEventFilter(&counter);
        // Each tick is seen from inside the timer, around the program's own
        // handler: a look from outside, between waits, can miss a tick or see
        // it before its paint came when the machine is slow. Posted paints go
        // before the next timer, so a tick's paint has come by the next tick.
        const TNotifyEvent replayTick = f.Timer1->OnTimer;
        TDateTime last = f.DateTimePicker1->Date();
        f.Timer1->OnTimer = [&](TObject* sender) {
            const int paints = counter.paints;
            if (!ticks.empty() && ticks.back().paintsAfter < 0) ticks.back().paintsAfter = paints;
            replayTick(sender);
            if (f.DateTimePicker1->Date() == last) return;
            last = f.DateTimePicker1->Date();
            double counted = 0;
            for (int i = 0; i < f.Series2->Count(); ++i) counted += f.Series2->YValues()[i];
            ticks.push_back({last, counted, paints});
        };
        // Tuesday 4 and Friday 7 February are draws.
        f.DateTimePicker2->SetDate(EncodeDate(2025, 2, 3));
        f.DateTimePicker1->SetDate(EncodeDate(2025, 2, 8));
        QTest::mouseClick(gui::WidgetOf(*f.SpeedButton2), Qt::LeftButton);
        QTest::mouseClick(gui::WidgetOf(*f.BitBtn20), Qt::LeftButton);
        last = f.DateTimePicker1->Date();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !f.Timer1->Enabled(); }, 10000));
        settle();
        f.Timer1->OnTimer = replayTick;
        if (!ticks.empty() && ticks.back().paintsAfter < 0) ticks.back().paintsAfter = counter.paints;
        ended = !f.Timer1->Enabled();
        endsShown = gui::WidgetOf(*f.BitBtn20)->isVisible() && !gui::WidgetOf(*f.BitBtn21)->isVisible();
        endAfter = f.DateTimePicker1->Date();
        for (int i = 0; i < f.Series2->Count(); ++i) countedAtEnd += f.Series2->YValues()[i];
        gui::WidgetOf(*f.Chart1)->removeEventFilter(&counter);
        f.Close();
    };
    const int exitCode = smoke::RunProgram(program.path().string(), drive, noBoxes());
    EXPECT_EQ(exitCode, 0);
    TRegistry::SetHiveFolder("");

    EXPECT_TRUE(ended);
    EXPECT_TRUE(endsShown);
    EXPECT_EQ(endAfter, EncodeDate(2025, 2, 8));
    // One tick a day from 4 February up to the end.
    ASSERT_EQ(ticks.size(), 5u);
    const double counted[] = {0, 5, 5, 5, 10, 10};  // five numbers per draw of 3 February .. the end
    for (size_t i = 0; i < ticks.size(); ++i) {
        const int day = static_cast<int>(ticks[i].end - EncodeDate(2025, 2, 3));
        EXPECT_EQ(day, static_cast<int>(i) + 1);
        EXPECT_EQ(ticks[i].counted, counted[day]) << day;
        EXPECT_GT(ticks[i].paintsAfter, ticks[i].paintsBefore) << "no paint for tick " << i;
    }
    EXPECT_EQ(countedAtEnd, 10);  // the stopping tick drew nothing new
}

}  // namespace
