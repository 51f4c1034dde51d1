// The draw update at the program's start, in process and offscreen, against
// the stand-in host: it runs while the tip page is shown and its stop
// button sits on the database page. Escape, pressed while the host holds a
// request, ends the update before its next request, and while the request
// waits the status bar shows the date being fetched. The window is on
// screen and shows that date before the first request goes out.

#include "app/LottoZahlen.h"
#include "gui/Attach.h"
#include "platform/registry/Registry.h"
#include "platform/rtl/DateTime.h"
#include "support/DrawFixtures.h"
#include "support/DrawHistory.h"
#include "support/StandInHost.h"
#include "support/TempDir.h"

#include "SmokeProgram.h"

#include <QApplication>
#include <QInputDevice>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

namespace {

// Every paint of a status bar panel, in order: which panel and its text.
class StatusPaints : public QObject {
public:
    struct Paint {
        int panel;
        std::string text;
    };
    std::vector<Paint> sofar() {
        std::lock_guard<std::mutex> lock(mutex_);
        return paints_;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !Form1) return false;
        auto* label = qobject_cast<QLabel*>(watched);
        QWidget* bar = gui::WidgetOf(*Form1->StatusBar1);
        if (!label || !bar || label->parentWidget() != bar) return false;
        const QList<QLabel*> panels = bar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
        std::lock_guard<std::mutex> lock(mutex_);
        paints_.push_back({static_cast<int>(panels.indexOf(label)), label->text().toStdString()});
        return false;
    }

private:
    std::mutex mutex_;
    std::vector<Paint> paints_;
};

// The smoke platform on a fixed day, with German regional settings; it
// notes the window and the page shown when the update first paints.
class UpdatePlatform : public smoke::SmokePlatform {
public:
    using SmokePlatform::SmokePlatform;
    TDateTime Now() override { return EncodeDate(2025, 2, 11) + 0.5; }
    TFormatSettings UserFormatSettings() override { return TFormatSettings::German(); }
    void Repaint() override {
        if (Form1 && !window) {
            window = gui::WidgetOf(*Form1)->window()->windowHandle();
            keyboard = QInputDevice::primaryKeyboard();
            tipPageShown = Form1->PageControl1->ActivePage() == Form1->TabSheet1;
        }
        SmokePlatform::Repaint();
        if (QWindow* w = window) exposed = w->isExposed();
    }

    std::atomic<QWindow*> window{nullptr};
    std::atomic<const QInputDevice*> keyboard{nullptr};
    bool tipPageShown = false;
    // Whether the window was on screen after the last paint asked for.
    std::atomic<bool> exposed{false};
};

// The text a panel showed in its last paint among `paints`.
std::string lastPainted(const std::vector<StatusPaints::Paint>& paints, int panel) {
    std::string text;
    for (const StatusPaints::Paint& p : paints)
        if (p.panel == panel) text = p.text;
    return text;
}

// Runs the program on the update platform, with every status panel paint
// noted in `paints`; `platform` points at the platform while it runs.
int runWatched(const TempDir& program, const std::function<void()>& drive, StatusPaints& paints,
               std::atomic<UpdatePlatform*>& platform) {
    return smoke::RunProgram(program.path().string(), drive, [&](Platform& qt) {
        qApp->installEventFilter(&paints);
        auto wrapped = std::make_unique<UpdatePlatform>(qt);
        platform = wrapped.get();
        return wrapped;
    });
}

}  // namespace

TEST(UpdateStopSmoke, EscapeStopsTheUpdateAtStartFromTheTipPage) {
    TempDir program, config;
    // The last stored draw is Tuesday 14 January 2025: eight dates are due
    // up to the fixed day, 17 January the first, 21 January the second.
    writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(30, EncodeDate(2025, 1, 14)));
    TRegistry::SetHiveFolder(config.home());
    StandInHost host;
    HostOverride first{"STELLIX_HOST1", host.BaseUrl()};
    qputenv("QT_QPA_PLATFORM", "offscreen");

    StatusPaints paints;
    std::atomic<UpdatePlatform*> platform{nullptr};
    std::atomic<int> served{0};
    // What the window showed while the request waited: what was painted
    // up to the reply.
    std::vector<StatusPaints::Paint> shown;
    host.Handle("/lotto/stellix.asp", [&](const RecordedRequest&) {
        // The second request is held; the user presses Escape meanwhile.
        if (++served == 2) {
            UpdatePlatform* p = platform;
            if (QWindow* window = p->window)
                QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, 0,
                                                                  0, 0, QString(), false, 1, p->keyboard));
            QThread::msleep(1500);
            shown = paints.sofar();
        }
        return StandInReply::Text("20250101,16,29,32,36,41,7,9");
    });

    bool drove = false;
    std::string fetched;
    std::function<void()> drive = [&] {
        TForm1& f = *Form1;
        // The driver's first call is a queued one, which the update's
        // dispatch lets through; a timer's tick waits for its end.
        if (f.LongCommandRunning()) {
            QTimer::singleShot(10, drive);
            return;
        }
        fetched = FormatDateTime("DDD dd.mm.yy", EncodeDate(2025, 1, 21));
        EXPECT_TRUE(platform.load()->tipPageShown);
        EXPECT_FALSE(f.SpeedButton8->Visible());
        EXPECT_TRUE(f.BitBtn1->Enabled());
        drove = true;
        f.Close();
    };
    int exitCode = runWatched(program, drive, paints, platform);

    EXPECT_TRUE(drove);
    EXPECT_EQ(exitCode, 0);
    const std::vector<RecordedRequest> requests = host.Requests();
    ASSERT_EQ(requests.size(), 2u) << "the update went on after Escape";
    EXPECT_EQ(requests[1].Query, "Programm=Stellix&Datum=20250121");
    // Both replies were stored, the held one too.
    EXPECT_EQ(readFileBytes(program.file("ZahlenEU.dat")).size(), 32u * 32u);

    EXPECT_EQ(lastPainted(shown, 1), fetched) << "the status bar while the request waited";
    TRegistry::SetHiveFolder("");
}

// The host holds the very first request: the window came on screen and
// painted the date being fetched before the request went out, and Escape
// pressed meanwhile ends the update after it.
TEST(UpdateStopSmoke, TheWindowIsOnScreenBeforeTheFirstRequestAndEscapeStopsIt) {
    TempDir program, config;
    writeDraws(program.file("ZahlenEU.dat"), SyntheticHistory(30, EncodeDate(2025, 1, 14)));
    TRegistry::SetHiveFolder(config.home());
    StandInHost host;
    HostOverride first{"STELLIX_HOST1", host.BaseUrl()};
    // Offscreen unless told otherwise (an X server, to look at it there).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    StatusPaints paints;
    std::atomic<UpdatePlatform*> platform{nullptr};
    std::atomic<int> served{0};
    std::vector<StatusPaints::Paint> shown;
    bool exposed = false;
    host.Handle("/lotto/stellix.asp", [&](const RecordedRequest&) {
        if (++served == 1) {
            // What was on screen as the request went out.
            UpdatePlatform* p = platform;
            shown = paints.sofar();
            exposed = p->exposed;
            if (QWindow* window = p->window)
                QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, 0,
                                                                  0, 0, QString(), false, 1, p->keyboard));
            QThread::msleep(300);
        }
        return StandInReply::Text("20250101,16,29,32,36,41,7,9");
    });

    bool drove = false;
    std::function<void()> drive = [&] {
        TForm1& f = *Form1;
        EXPECT_FALSE(f.LongCommandRunning());
        EXPECT_TRUE(f.BitBtn1->Enabled());
        drove = true;
        f.Close();
    };
    int exitCode = runWatched(program, drive, paints, platform);

    EXPECT_TRUE(drove);
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(exposed) << "the window was not on screen at the first request";
    EXPECT_EQ(lastPainted(shown, 1), "Fr 17.01.25") << "status panel 1 as painted before the first request";

    const std::vector<RecordedRequest> requests = host.Requests();
    ASSERT_EQ(requests.size(), 1u) << "the update went on after Escape";
    EXPECT_EQ(requests[0].Query, "Programm=Stellix&Datum=20250117");
    EXPECT_EQ(readFileBytes(program.file("ZahlenEU.dat")).size(), 31u * 32u);
    TRegistry::SetHiveFolder("");
}
