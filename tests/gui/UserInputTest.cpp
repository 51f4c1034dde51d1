// What the user does in Qt reaches the program through the controls, so
// the same events fire as when a test sets the controls.
#include "GuiFixture.h"

#include "gui/Attach.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QAbstractItemView>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

using UserInput = GuiFixture;

void moveMouse(QWidget* w, QPoint p) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(w->mapToGlobal(p)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

} // namespace

TEST_F(UserInput, TypingChangesTheEditAndLeavingItExits) {
    std::vector<std::string> changes;
    int exits = 0;
    edit1->OnChange = [&](TObject*) { changes.push_back(edit1->Text()); };
    edit1->OnExit = [&](TObject* sender) {
        EXPECT_EQ(sender, edit1);
        ++exits;
    };
    auto* typed = widgetOf<QLineEdit>(*edit1);
    typed->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(typed, "17");
    EXPECT_EQ(changes, (std::vector<std::string>{"1", "17"}));
    EXPECT_EQ(edit1->Text(), "17");
    EXPECT_EQ(exits, 0);

    widgetOf<QLineEdit>(*edit2)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(exits, 1);

    // Typing into an up-down's edit moves the up-down.
    auto* counter = widgetOf<QLineEdit>(*counterEdit);
    counter->setFocus(Qt::MouseFocusReason);
    counter->selectAll();
    QTest::keyClicks(counter, "8");
    EXPECT_EQ(upDown->Position(), 8);
    // What the counter does not take stays until the edit is left.
    QTest::keyClicks(counter, "0x");
    EXPECT_EQ(counter->text(), "80x");
    widgetOf<QLineEdit>(*edit2)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(counter->text(), "8");
    EXPECT_EQ(counterEdit->Text(), "8");
}

TEST_F(UserInput, LabelClicksAndMouseMovesReachTheLabel) {
    int clicks = 0;
    std::vector<std::pair<int, int>> moves;
    label->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, label);
        ++clicks;
    };
    label->OnMouseMove = [&](TObject*, TShiftState, int x, int y) { moves.emplace_back(x, y); };
    // The page under the label hears nothing of a click on it.
    int pageClicks = 0;
    tipPage->OnClick = [&](TObject*) { ++pageClicks; };
    QWidget* caption = gui::WidgetOf(*label);
    QTest::mouseClick(caption, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(pageClicks, 0);
    // A disabled label hears no click at all.
    label->SetEnabled(false);
    QTest::mouseClick(caption, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    label->SetEnabled(true);
    moveMouse(caption, QPoint(7, 3));
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.back(), std::make_pair(7, 3));
}

TEST_F(UserInput, ArrowKeysInACountersEditStepTheCounter) {
    int before = upDown->Position();
    auto* counter = qobject_cast<QLineEdit*>(gui::WidgetOf(*counterEdit));
    ASSERT_NE(counter, nullptr);
    counter->setFocus();
    QTest::keyClick(counter, Qt::Key_Up);
    EXPECT_EQ(upDown->Position(), std::min(before + 1, upDown->Max()));
    QTest::keyClick(counter, Qt::Key_Down);
    EXPECT_EQ(upDown->Position(), before);
}

TEST_F(UserInput, UpDownArrowsStepWithTheirMouseEvents) {
    std::vector<std::string> events;
    upDown->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { events.push_back("down"); };
    upDown->OnChanging = [&](TObject*, bool&) { events.push_back("changing"); };
    upDown->OnClick = [&](TObject*, TUDBtnType b) { events.push_back(b == TUDBtnType::btNext ? "next" : "prev"); };
    upDown->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { events.push_back("up"); };
    QWidget* arrows = gui::WidgetOf(*upDown);
    ASSERT_TRUE(arrows);

    QTest::mouseClick(arrows, Qt::LeftButton, {}, QPoint(8, 3));
    EXPECT_EQ(events, (std::vector<std::string>{"down", "changing", "next", "up"}));
    EXPECT_EQ(upDown->Position(), 6);
    EXPECT_EQ(widgetOf<QLineEdit>(*counterEdit)->text(), "6");

    events.clear();
    QTest::mouseClick(arrows, Qt::LeftButton, {}, QPoint(8, arrows->height() - 3));
    EXPECT_EQ(events, (std::vector<std::string>{"down", "changing", "prev", "up"}));
    EXPECT_EQ(upDown->Position(), 5);
}

TEST_F(UserInput, ChecksListsAndTabsFireTheirEvents) {
    // The click comes between the press and the release, as in the library.
    std::vector<std::string> checkEvents;
    check->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { checkEvents.push_back("down"); };
    check->OnClick = [&](TObject*) { checkEvents.push_back(check->Checked() ? "checked" : "unchecked"); };
    check->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { checkEvents.push_back("up"); };
    QTest::mouseClick(widgetOf<QCheckBox>(*check), Qt::LeftButton, {}, QPoint(6, 8));
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(checkEvents, (std::vector<std::string>{"down", "checked", "up"}));

    // The selection has moved when the mouse-down handler reads it.
    std::vector<int> clicked, pressed;
    list->OnClick = [&](TObject*) { clicked.push_back(list->ItemIndex()); };
    list->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { pressed.push_back(list->ItemIndex()); };
    auto* lines = widgetOf<QAbstractItemView>(*list);
    QRect second = lines->visualRect(lines->model()->index(1, 0));
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(list->ItemIndex(), 1);
    EXPECT_EQ(clicked, std::vector<int>{1});
    EXPECT_EQ(pressed, std::vector<int>{1});

    int pageChanges = 0;
    pages->OnChange = [&](TObject*) { ++pageChanges; };
    auto* tabs = widgetOf<QTabWidget>(*pages);
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(pages->ActivePage(), dataPage);
    EXPECT_EQ(pageChanges, 1);
    EXPECT_FALSE(tipPage->Visible());
}

TEST_F(UserInput, MenuShortcutRunsItsItem) {
    int updates = 0;
    updateItem->OnClick = [&](TObject* sender) {
        EXPECT_EQ(sender, updateItem);
        ++updates;
    };
    QTest::keyClick(window(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(updates, 1);
    // Also while an edit, which would select all with Ctrl+A, has the focus.
    auto* typed = qobject_cast<QLineEdit*>(gui::WidgetOf(*edit1));
    ASSERT_NE(typed, nullptr);
    typed->setFocus();
    settle();
    QTest::keyClick(typed, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(updates, 2);

    // The handler, not Qt's toggle, decides the check mark.
    listItem->OnClick = [&](TObject*) {};
    gui::ActionOf(*listItem)->trigger();
    EXPECT_TRUE(listItem->Checked());
    EXPECT_TRUE(gui::ActionOf(*listItem)->isChecked());
}

TEST_F(UserInput, DatePickerKeepsToItsMinimum) {
    auto* picker = form->Create<TDateTimePicker>("DateTimePicker1");
    picker->SetParent(dataPage);
    picker->SetBounds(10, 10, 100, 21);
    picker->SetMinDate(EncodeDate(2004, 2, 13));
    picker->SetDate(EncodeDate(2025, 2, 11));
    int changes = 0;
    picker->OnChange = [&](TObject*) { ++changes; };
    auto* edit = widgetOf<QDateEdit>(*picker);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->displayFormat(), "dd.MM.yyyy");
    EXPECT_EQ(edit->date(), QDate(2025, 2, 11));
    EXPECT_EQ(edit->minimumDate(), QDate(2004, 2, 13));

    edit->setDate(QDate(2025, 3, 1));
    EXPECT_EQ(picker->Date(), EncodeDate(2025, 3, 1));
    EXPECT_EQ(changes, 1);
    edit->setDate(QDate(2001, 1, 1));  // below the minimum: Qt keeps to it
    EXPECT_GE(picker->Date(), EncodeDate(2004, 2, 13));
}

TEST_F(UserInput, RadioGroupsMemosAndCombosTakeTheirInput) {
    auto* group = form->Create<TRadioGroup>("RadioGroup1");
    group->SetParent(dataPage);
    group->SetBounds(10, 40, 180, 80);
    group->SetCaption("Sterne");
    for (const char* item : {"zufällig", "selten", "überfällig"}) group->Items().Add(item);
    group->SetItemIndex(0);
    int groupClicks = 0;
    group->OnClick = [&](TObject*) { ++groupClicks; };
    pages->SetActivePage(dataPage);
    auto radios = gui::WidgetOf(*group)->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 3);
    EXPECT_TRUE(radios[0]->isChecked());
    QTest::mouseClick(radios[2], Qt::LeftButton, {}, QPoint(5, radios[2]->height() / 2));
    EXPECT_EQ(group->ItemIndex(), 2);
    EXPECT_EQ(groupClicks, 1);
    group->SetItemIndex(-1);
    EXPECT_FALSE(radios[0]->isChecked() || radios[1]->isChecked() || radios[2]->isChecked());

    // A hidden text buffer is shown as it is once it shows.
    auto* memo = form->Create<TMemo>("Memo1");
    memo->SetParent(dataPage);
    memo->SetBounds(200, 40, 150, 80);
    memo->Hide();
    for (const char* line : {"eins", "zwei"}) memo->Lines().Add(line);
    memo->Show();
    auto* text = widgetOf<QPlainTextEdit>(*memo);
    EXPECT_EQ(text->toPlainText(), "eins\nzwei");
    memo->Lines().Add("drei");
    EXPECT_EQ(text->toPlainText(), "eins\nzwei\ndrei");
    int memoChanges = 0;
    memo->OnChange = [&](TObject*) { ++memoChanges; };
    text->setFocus(Qt::MouseFocusReason);
    text->moveCursor(QTextCursor::End);
    QTest::keyClick(text, Qt::Key_Return);
    QTest::keyClicks(text, "vier");
    EXPECT_EQ(memo->Lines().Count(), 4);
    EXPECT_EQ(memo->Lines()[3], "vier");
    EXPECT_GT(memoChanges, 0);

    auto* combo = form->Create<TComboBox>("ComboBox1");
    combo->SetParent(dataPage);
    combo->SetBounds(10, 130, 120, 21);
    for (const char* item : {"Deutsch", "English"}) combo->Items().Add(item);
    std::vector<std::string> chosen;
    combo->OnChange = [&](TObject*) { chosen.push_back(combo->Text()); };
    auto* box = widgetOf<QComboBox>(*combo);
    ASSERT_EQ(box->count(), 2);
    box->setCurrentIndex(1);
    emit box->activated(1);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(chosen, std::vector<std::string>{"English"});
    combo->SetItemIndex(0);
    EXPECT_EQ(box->currentText(), "Deutsch");
}

namespace {

TEST_F(UserInput, OkIsTheDefaultButtonAndEscapePressesCancel) {
    auto* ok = form->Create<TBitBtn>("BitBtn1");
    ok->SetParent(tipPage);
    ok->SetBounds(200, 200, 80, 25);
    ok->SetKind(TBitBtnKind::bkOK);
    auto* cancel = form->Create<TBitBtn>("BitBtn2");
    cancel->SetParent(tipPage);
    cancel->SetBounds(290, 200, 80, 25);
    cancel->SetKind(TBitBtnKind::bkCancel);
    int cancels = 0;
    cancel->OnClick = [&](TObject*) { ++cancels; };
    settle();
    auto* okButton = qobject_cast<QPushButton*>(gui::WidgetOf(*ok));
    ASSERT_NE(okButton, nullptr);
    EXPECT_TRUE(okButton->isDefault());
    QTest::keyClick(window(), Qt::Key_Escape);
    EXPECT_EQ(cancels, 1);
    EXPECT_TRUE(window()->isVisible());
}

}  // namespace
