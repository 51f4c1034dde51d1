#include "platform/forms/Application.h"
#include "platform/forms/ComCtrls.h"
#include "support/ScriptedPlatform.h"

#include <gtest/gtest.h>

namespace {

struct Fixture : ::testing::Test {
    ScriptedPlatform platform;
    TApplication app{platform};
    TForm* form = nullptr;
    void SetUp() override {
        app.Title = "Testprogramm";
        form = app.CreateForm<TForm>();
    }
    template <class T>
    T* make(const std::string& name, TWinControl* parent = nullptr) {
        T* c = form->Create<T>(name);
        c->SetParent(parent ? parent : form);
        return c;
    }
};

using Events = Fixture;
using Scaling = Fixture;
using Errors = Fixture;
using Modal = Fixture;

} // namespace

TEST_F(Events, FireWhenTheLibraryFiresThem) {
    auto* edit = make<TEdit>("Edit1");
    int changes = 0;
    edit->OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, edit);
        ++changes;
    };
    edit->SetText("12");
    edit->SetText("12");
    edit->SetText("");
    EXPECT_EQ(changes, 2);

    auto* box = make<TCheckBox>("CheckBox1");
    int clicks = 0;
    box->OnClick = [&](TObject*) { ++clicks; };
    box->SetChecked(true);
    box->SetChecked(true);
    box->Click();  // the user's click toggles
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(box->Checked());

    auto* group = make<TRadioGroup>("RadioGroup1");
    for (const char* item : {"a", "b", "c"}) group->Items().Add(item);
    int groupClicks = 0;
    group->OnClick = [&](TObject*) { ++groupClicks; };
    struct { int set, expected; } indexes[] = {{1, 1}, {7, 2}, {-5, -1}, {0, 0}};
    for (auto c : indexes) {
        group->SetItemIndex(c.set);
        EXPECT_EQ(group->ItemIndex(), c.expected) << c.set;
    }
    EXPECT_EQ(groupClicks, 4);
}

TEST_F(Events, UpDownClampsShowsAndFollowsItsEdit) {
    auto* edit = make<TEdit>("Edit80");
    auto* ud = make<TUpDown>("UpDown8");
    ud->SetMin(1);
    ud->SetMax(12);
    ud->SetAssociate(edit);
    int edits = 0;
    edit->OnChange = [&](TObject*) { ++edits; };

    struct { int set, position; const char* text; } cases[] = {{5, 5, "5"}, {40, 12, "12"}, {-3, 1, "1"}};
    for (auto c : cases) {
        ud->SetPosition(c.set);
        EXPECT_EQ(ud->Position(), c.position);
        EXPECT_EQ(edit->Text(), c.text);
    }
    EXPECT_EQ(edits, 3);

    edit->SetText("7");
    EXPECT_EQ(ud->Position(), 7);
    edit->SetText("99");  // outside the range: the counter keeps its value
    EXPECT_EQ(ud->Position(), 7);
    edit->SetText("x");
    EXPECT_EQ(ud->Position(), 7);

    bool allow = false;
    ud->OnChanging = [&](TObject*, bool& a) { a = allow; };
    ud->ArrowClick(TUDBtnType::btNext);
    EXPECT_EQ(ud->Position(), 7);
    allow = true;
    ud->ArrowClick(TUDBtnType::btNext);
    EXPECT_EQ(ud->Position(), 8);
    EXPECT_EQ(edit->Text(), "8");
}

TEST_F(Events, DatePickerRefusesADateBeforeItsMinimum) {
    auto* picker = make<TDateTimePicker>("DateTimePicker1");
    picker->SetMinDate(EncodeDate(2004, 2, 13));
    picker->SetDate(EncodeDate(2012, 3, 23) + 0.75);
    EXPECT_EQ(picker->Date(), EncodeDate(2012, 3, 23));  // a whole day
    try {
        picker->SetDate(EncodeDate(2004, 2, 12));
        FAIL();
    } catch (const EDateTimeError& e) {
        EXPECT_STREQ(e.what(), "Das Datum unterschreitet das Minimum von 13.02.2004");
    }
    EXPECT_EQ(picker->Date(), EncodeDate(2012, 3, 23));
}

TEST_F(Events, ComponentsKeepCreationOrderAndAreFoundByName) {
    auto* a = make<TLabel>("Label1");
    auto* b = make<TLabel>("Label2");
    EXPECT_EQ(form->Components(0), a);
    EXPECT_EQ(form->Components(1), b);
    EXPECT_EQ(form->FindComponent("label2"), b);
    EXPECT_EQ(form->FindComponent("Label3"), nullptr);
}

TEST_F(Scaling, ScaleByScalesChildrenAndComesBackWithinAPixel) {
    auto* panel = make<TPanel>("Panel1");
    panel->SetBounds(10, 20, 300, 200);
    auto* label = make<TLabel>("Label1", panel);
    label->SetBounds(7, 9, 101, 17);
    label->SetFontSize(10);
    auto* edit = make<TEdit>("Edit1", panel);
    edit->SetBounds(33, 51, 45, 21);  // takes the panel's font

    panel->ScaleBy(600, 546);
    EXPECT_EQ(panel->Left(), 10);  // the scaled control keeps its place
    EXPECT_EQ(panel->Width(), 330);
    EXPECT_EQ(panel->Height(), 220);
    EXPECT_EQ(label->Left(), 8);
    EXPECT_EQ(label->Top(), 10);
    EXPECT_EQ(label->Width(), 111);  // 108 + 1/2 rounds up: MulDiv(108,600,546) - 8
    EXPECT_EQ(label->Height(), 19);
    EXPECT_EQ(label->Font().Size, 11);
    EXPECT_EQ(edit->Font(), panel->Font());

    panel->ScaleBy(546, 600);
    for (auto [got, want] : {std::pair{label->Left(), 7}, {label->Top(), 9}, {label->Width(), 101},
                             {label->Height(), 17}, {edit->Left(), 33}, {edit->Width(), 45},
                             {panel->Width(), 300}, {panel->Height(), 200}})
        EXPECT_LE(std::abs(got - want), 1);
    EXPECT_EQ(label->Font().Size, 10);
}

TEST_F(Scaling, AlignedChildrenFillTheirParent) {
    form->SetBounds(0, 0, 558, 546);
    auto* status = make<TStatusBar>("StatusBar1");
    status->SetHeight(19);
    status->SetAlign(TAlign::alBottom);
    auto* pages = make<TPageControl>("PageControl1");
    pages->SetAlign(TAlign::alClient);
    EXPECT_EQ(form->ClientHeight(), 488);
    EXPECT_EQ(status->Top(), 488 - 19);
    EXPECT_EQ(pages->Height(), 488 - 19);
    EXPECT_EQ(pages->Width(), 558);
}

TEST_F(Errors, AnErrorInAHandlerIsShownAndTheNextEventRuns) {
    auto* button = make<TButton>("Button1");
    int runs = 0;
    button->OnClick = [&](TObject*) {
        ++runs;
        if (runs == 1) throw EConvertError("'x' ist kein gültiger Integerwert");
    };
    platform.answerMessage(IDOK);
    EXPECT_FALSE(app.Invoke([&] { button->Click(); }));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "'x' ist kein gültiger Integerwert");
    EXPECT_EQ(platform.messages[0].caption, "Testprogramm");
    EXPECT_EQ(platform.messages[0].flags & MB_ICONMASK, MB_ICONERROR);
    EXPECT_TRUE(app.Invoke([&] { button->Click(); }));
    EXPECT_EQ(runs, 2);
}

TEST_F(Errors, AnErrorInOnCreateIsShownAndTheWindowStillExists) {
    struct Failing : TForm {
        explicit Failing(TComponent* owner) : TForm(owner) {
            OnCreate = [](TObject*) { throw EInOutError(2); };
        }
    };
    platform.answerMessage(IDOK);
    auto* f = app.CreateForm<Failing>();
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(platform.messages.back().text, "E/A-Fehler 2");
}

TEST_F(Modal, ScriptedCallbackTicksABoxAndPressesOk) {
    auto* dialog = app.CreateForm<TForm>();
    dialog->SetName("Form6");
    auto* box = dialog->Create<TCheckBox>("CheckBox1");
    box->SetParent(dialog);
    auto* ok = dialog->Create<TBitBtn>("BitBtn1");
    ok->SetParent(dialog);
    ok->SetKind(TBitBtnKind::bkOK);
    platform.answerModal([&](TForm& f) {
        static_cast<TCheckBox*>(f.FindComponent("CheckBox1"))->Click();
        static_cast<TBitBtn*>(f.FindComponent("BitBtn1"))->Click();
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_TRUE(box->Checked());
    EXPECT_FALSE(dialog->Visible());

    platform.answerModal([](TForm&) {});  // closed by its close box
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(Modal, ACloseKindButtonClosesTheWindowItIsOnAfterItsHandler) {
    auto* dialog = app.CreateForm<TForm>();
    auto* panel = dialog->Create<TPanel>("Panel1");
    panel->SetParent(dialog);
    auto* close = dialog->Create<TBitBtn>("BitBtn1");
    close->SetParent(panel);
    close->SetKind(TBitBtnKind::bkClose);
    EXPECT_EQ(close->Caption(), "&Schließen");
    std::vector<std::string> steps;
    close->OnClick = [&](TObject*) { steps.push_back("click"); };
    dialog->OnClose = [&](TObject*, TCloseAction&) { steps.push_back("close"); };

    platform.answerModal([&](TForm&) { close->Click(); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_FALSE(dialog->Visible());

    dialog->ShowForm();
    close->Click();
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(steps, (std::vector<std::string>{"click", "close", "click", "close"}));
    EXPECT_FALSE(platform.terminated);
}

TEST_F(Modal, ACloseRequestWaitsWhileTheWindowIsBusy) {
    int closes = 0;
    form->OnClose = [&](TObject*, TCloseAction&) { ++closes; };
    form->ShowForm();
    {
        TBusyScope busy(*form);
        form->Close();
        EXPECT_TRUE(form->ClosePending());
        EXPECT_EQ(closes, 0);
    }
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(form->Closed());
    EXPECT_TRUE(platform.terminated);
}

namespace {

TEST(Hints, AControlTakesItsParentsShowHintUntilItSetsItsOwn) {
    TPanel panel(nullptr);
    TLabel label(nullptr);
    label.SetParent(&panel);
    panel.SetShowHint(true);
    EXPECT_TRUE(label.HintShown());
    label.SetShowHint(false);
    EXPECT_FALSE(label.ParentShowHint());
    EXPECT_FALSE(label.HintShown());
    label.SetParentShowHint(true);
    EXPECT_TRUE(label.HintShown());
    label.SetParent(nullptr);
}

}  // namespace
