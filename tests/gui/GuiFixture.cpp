#include "GuiFixture.h"

#include "gui/Attach.h"

#include <QApplication>
#include <QTest>

namespace {

template <class T>
T* place(TForm* form, const char* name, TWinControl* parent, int left, int top, int width, int height) {
    T* c = form->Create<T>(name);
    c->SetParent(parent);
    c->SetBounds(left, top, width, height);
    return c;
}

} // namespace

void GuiFixture::SetUp() {
    app.Title = "Testprogramm";
    form = app.CreateForm<TForm>();
    form->SetName("Form1");
    form->SetCaption("Testfenster");
    form->SetBounds(100, 80, 420, 100);
    form->SetShowHint(true);

    menu = form->Create<TMainMenu>("MainMenu1");
    fileMenu = form->Create<TMenuItem>("Datei1");
    fileMenu->SetCaption("&Datei");
    menu->Items().Add(fileMenu);
    updateItem = form->Create<TMenuItem>("Aktualisieren1");
    updateItem->SetCaption("&Ziehungsdaten laden");
    updateItem->SetShortCut(ShortCut('A', scCtrl));
    fileMenu->Add(updateItem);
    auto* separator = form->Create<TMenuItem>("N1");
    separator->SetCaption("-");
    fileMenu->Add(separator);
    listItem = form->Create<TMenuItem>("Liste1");
    listItem->SetCaption("&Liste");
    listItem->SetChecked(true);
    fileMenu->Add(listItem);
    form->SetMenu(menu);
    form->SetClientHeight(300);

    status = place<TStatusBar>(form, "StatusBar1", form, 0, 0, 420, 19);
    status->SetAlign(TAlign::alBottom);
    status->AddPanel("Bereit", 150);
    status->AddPanel("", 50);

    pages = place<TPageControl>(form, "PageControl1", form, 0, 0, 420, 270);
    tipPage = form->Create<TTabSheet>("TabSheet1");
    tipPage->SetCaption("Tipp-Übersicht");
    tipPage->SetPageControl(pages);
    dataPage = form->Create<TTabSheet>("TabSheet2");
    dataPage->SetCaption("Datenbank");
    dataPage->SetPageControl(pages);
    hiddenPage = form->Create<TTabSheet>("TabSheet3");
    hiddenPage->SetCaption("Versteckt");
    hiddenPage->SetPageControl(pages);
    hiddenPage->SetTabVisible(false);

    edit1 = place<TEdit>(form, "Edit1", tipPage, 10, 10, 60, 21);
    edit2 = place<TEdit>(form, "Edit2", tipPage, 80, 10, 60, 21);
    counterEdit = place<TEdit>(form, "Edit3", tipPage, 10, 40, 36, 21);
    upDown = place<TUpDown>(form, "UpDown1", tipPage, 46, 40, 16, 21);
    upDown->SetMin(1);
    upDown->SetMax(12);
    upDown->SetAssociate(counterEdit);
    upDown->SetPosition(5);
    check = place<TCheckBox>(form, "CheckBox1", tipPage, 10, 70, 150, 17);
    check->SetCaption("Paare erzwingen");
    label = place<TLabel>(form, "Label30", tipPage, 10, 95, 80, 16);
    label->SetCaption("1. Tipp");
    label->SetCursor(crHandPoint);
    label->SetHint("Ist \"Tipp\" rot, wird diese Reihe nicht neu berechnet!");
    list = place<TListBox>(form, "Gewinnzahlen", tipPage, 170, 10, 230, 150);
    list->SetTabWidth(20);
    for (const char* line : {"1\t2\t3\t4\t5\t\t\t1\t2", "6\t7\t8\t9\t10\t\t\t3\t4"}) list->Items().Add(line);

    gui::Show(*form);
    ASSERT_TRUE(window());
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
}

void GuiFixture::TearDown() {
    // The windows go with the application; nothing of them is left open.
    settle();
}

void GuiFixture::settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

QDialog* GuiFixture::window() const { return gui::WindowOf(*form); }
