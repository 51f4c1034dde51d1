// The Escape key leaves the program's dialogs the way their own way out
// does: the entry dialog and the number picker as their Abort button, the
// slip window, which has no such button, as its close box.

#include "GuiFixture.h"

#include "draws/LoEingab.h"
#include "generator/Zahlenwahl.h"
#include "gui/Attach.h"
#include "output/anders.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

using DialogEscape = GuiFixture;

// Runs the window modally and acts on it once it is up and active; gives
// the modal result, or mrNone when the act left the window open.
TModalResult runModal(TForm& dialog, const std::function<void(QDialog&)>& act) {
    bool acted = false;
    QTimer::singleShot(0, [&] {
        QDialog* window = gui::WindowOf(dialog);
        ASSERT_TRUE(window && window->isModal());
        // Its keys reach it once it is the active window (a window manager
        // makes it so; without one the test asks for it).
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window; }, 3000));
        act(*window);
        acted = true;
    });
    // A window the act does not close ends the run here.
    bool stuck = false;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        stuck = true;
        dialog.SetModalResult(mrIgnore);
    });
    guard.start(3000);
    const TModalResult result = dialog.ShowModal();
    guard.stop();
    EXPECT_TRUE(acted);
    return stuck ? mrNone : result;
}

void pressEscape(QDialog& window) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && focus->window() == &window ? focus : &window, Qt::Key_Escape);
}

}  // namespace

TEST_F(DialogEscape, LeavesTheEntryDialogAndTheNumberPickerAsTheirAbortButton) {
    const auto entry = TForm3::ForOneEntry(form);
    TForm6* picker = app.CreateForm<TForm6>();
    struct Case {
        TForm* dialog;
        TControl* abort;
    };
    for (const Case& c : {Case{entry.get(), entry->BitBtn1}, Case{picker, picker->BitBtn2}}) {
        SCOPED_TRACE(c.dialog->Name());
        const TModalResult byButton =
            runModal(*c.dialog, [&](QDialog&) { QTest::mouseClick(gui::WidgetOf(*c.abort), Qt::LeftButton); });
        EXPECT_EQ(byButton, mrAbort);
        EXPECT_EQ(runModal(*c.dialog, pressEscape), byButton);
        settle();
        EXPECT_FALSE(gui::WindowOf(*c.dialog)->isVisible());
    }
}

TEST_F(DialogEscape, LeavesTheSlipWindowAsItsCloseBox) {
    TForm8 slip(form);
    slip.OnShow = nullptr;  // its preview and layout play no part here
    int closes = 0;
    slip.OnClose = [&](TObject*, TCloseAction&) { ++closes; };
    const TModalResult byCloseBox = runModal(slip, [](QDialog& window) {
        QCloseEvent close;
        QApplication::sendEvent(&window, &close);
    });
    EXPECT_EQ(byCloseBox, mrCancel);
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(runModal(slip, pressEscape), byCloseBox);
    EXPECT_EQ(closes, 2);
    settle();
    EXPECT_FALSE(gui::WindowOf(slip)->isVisible());
}
