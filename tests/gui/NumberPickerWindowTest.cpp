// The number picker in a real window: its status text fits the window, and
// its boxes write it when a press activates the window.
#include "GuiFixture.h"

#include "generator/Zahlenwahl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

namespace {

using NumberPickerWindow = GuiFixture;

TEST_F(NumberPickerWindow, StatusTextFitsAndAPressThatActivatesShowsIt) {
    TForm6* picker = app.CreateForm<TForm6>();
    gui::Show(*picker);
    QWidget* pickerWindow = gui::WidgetOf(*picker)->window();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(pickerWindow));

    // The longest status: the highest number with a three-digit weight.
    QWidget* status = gui::WidgetOf(*picker->StatusBar1);
    ASSERT_TRUE(status);
    std::string text = "Die Zahl 50 geht mit der Gewichtung 100 in die Berechnung ein";
    EXPECT_LE(QFontMetrics(status->font()).horizontalAdvance(QString::fromStdString(text)) + 8, status->width());
    EXPECT_LE(status->width(), pickerWindow->width());

    // The main window is the active one; a press on box 7 activates the picker.
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    picker->CheckBox(50)->SetHint("100");
    picker->CheckBox(50)->MouseMove(0, 1, 1);
    picker->CheckBox(7)->SetHint("3");
    QWidget* box = gui::WidgetOf(*picker->CheckBox(7));
    QPoint at(3, 3);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), box->mapToGlobal(QPointF(at)), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    int activations = 0;
    auto bound = picker->CheckBox(7)->OnMouseActivate;
    picker->CheckBox(7)->OnMouseActivate = [&](TObject* s, TMouseButton b, TShiftState sh, int x, int y, int hit,
                                               TMouseActivate& a) {
        ++activations;
        bound(s, b, sh, x, y, hit, a);
        EXPECT_EQ(picker->StatusBar1->Panels(0).Text, "Die Zahl 7 geht mit der Gewichtung 3 in die Berechnung ein");
    };
    QApplication::sendEvent(box, &press);
    EXPECT_EQ(activations, 1);
    pickerWindow->grab().save(QString(GUI_TEST_OUTPUT_DIR) + "/number_picker.png");
    picker->Close();
}

}  // namespace
