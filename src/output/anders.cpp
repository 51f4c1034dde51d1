// The slip window's controls at their designer places, and its events.

#include "output/anders.h"

#include "app/DesignKit.h"
#include "platform/forms/Application.h"

TForm8* Form8 = nullptr;

namespace {

constexpr const char* kTestPhaseNote =
    "This function is still in the test phase. Let me know your experience in the event or send me pictures of "
    "EuroMillions tickets from your country.";

}  // namespace

TForm8::TForm8(TComponent* owner) : TForm(owner) {
    Form8 = this;
    SetName("Form8");
    SetCaption("Positionierung des Scheindruckes");
    SetBounds(200, 120, 840, 620);
    design();
    bindEvents();
}

TForm8::~TForm8() {
    if (Form8 == this) Form8 = nullptr;
}

void TForm8::design() {
    TLabel* label = nullptr;
    auto caption = [&](const char* name, TWinControl* parent, int left, int top, int width, const char* text) {
        PlaceLabel(this, label, name, parent, left, top, width, text);
    };

    Place(this, PageControl1, "PageControl1", this, 0, 0, 340, 520);
    TTabSheet** sheets[] = {&TabSheet1, &TabSheet2, &TabSheet3, &TabSheet4};
    const char* sheetCaptions[] = {"Spielschein", "Zahlenfeld", "Eurozahlen", "Zahlen"};
    for (int i = 0; i < 4; ++i) {
        TTabSheet*& sheet = *sheets[i];
        sheet = Create<TTabSheet>("TabSheet" + std::to_string(i + 1));
        sheet->SetPageControl(PageControl1);
        sheet->SetCaption(sheetCaptions[i]);
    }
    PageControl1->SetActivePage(TabSheet1);

    // "Spielschein": how the slots lie on the slip, the marks, the files.
    TTabSheet* s = TabSheet1;
    caption("Label1", s, 8, 8, 120, "Blockverteilung");
    caption("Label2", s, 8, 32, 50, "Zeilen:");
    PlaceCounter(this, Edit7, "Edit7", UpDown5, "UpDown5", s, 62, 30, 1, 10, 1);
    caption("Label3", s, 130, 32, 50, "Spalten:");
    PlaceCounter(this, Edit8, "Edit8", UpDown6, "UpDown6", s, 184, 30, 1, 10, 5);
    caption("Label4", s, 8, 62, 120, "Blockabstand:");
    caption("Label5", s, 8, 86, 50, "Höhe");
    Place(this, Edit3, "Edit3", s, 62, 84, 52, kEditHeight, "0");
    caption("Label6", s, 130, 86, 50, "Breite:");
    Place(this, Edit4, "Edit4", s, 184, 84, 52, kEditHeight, "102");
    caption("Label7", s, 8, 116, 120, "1.Block 1.Zahl");
    caption("Label8", s, 8, 140, 50, "Top");
    Place(this, Edit17, "Edit17", s, 62, 138, 52, kEditHeight, "164,4");
    caption("Label9", s, 130, 140, 50, "Left:");
    Place(this, Edit16, "Edit16", s, 184, 138, 52, kEditHeight, "49");
    caption("Label10", s, 8, 172, 50, "Zeichen:");
    Place(this, Zeichen, "Zeichen", s, 62, 170, 36, kEditHeight, "x");
    caption("Label11", s, 130, 172, 50, "Größe:");
    PlaceCounter(this, Edit14, "Edit14", fontsize, "fontsize", s, 184, 170, 3, 16, 10);
    caption("Label12", s, 8, 202, 240, "Fast Report Datei (*.fr3)");
    Place(this, Reportvorlage, "Reportvorlage", s, 8, 220, 280, kEditHeight, "EM_France.fr3");
    Place(this, SpeedButton1, "SpeedButton1", s, 292, 219, 23, 23);
    caption("Label13", s, 8, 250, 240, "Hintergrund Bild (*.png)");
    Place(this, BackImage, "BackImage", s, 8, 268, 280, kEditHeight);
    Place(this, SpeedButton2, "SpeedButton2", s, 292, 267, 23, 23);
    SpeedButton1->SetGlyph("open");
    SpeedButton2->SetGlyph("open");
    Place(this, StringGrid1, "StringGrid1", s, 8, 300, 200, 80);
    PlaceLabel(this, Label18, "Label18", s, 8, 400, 316, kTestPhaseNote, 4);

    // "Zahlenfeld": the number block of one slot.
    s = TabSheet2;
    caption("Label14", s, 8, 8, 120, "Zahlenblock");
    caption("Label15", s, 8, 32, 50, "Zeilen:");
    PlaceCounter(this, Edit5, "Edit5", UpDown1, "UpDown1", s, 62, 30, 1, 50, 10);
    caption("Label16", s, 130, 32, 50, "Spalten:");
    PlaceCounter(this, Edit6, "Edit6", UpDown2, "UpDown2", s, 184, 30, 1, 50, 5);
    caption("Label17", s, 8, 62, 60, "Feldhöhe:");
    Place(this, Edit1, "Edit1", s, 70, 60, 52, kEditHeight, "14");
    caption("Label19", s, 130, 62, 60, "Feldweite:");
    Place(this, Edit2, "Edit2", s, 192, 60, 52, kEditHeight, "14");
    PlaceCheck(this, CheckBox1, "CheckBox1", s, 8, 90, 140, "Zahlen Horizontal", true);
    PlaceCheck(this, CheckBox2, "CheckBox2", s, 160, 90, 140, "unten Beginnen", false);
    Place(this, DrawGrid1, "DrawGrid1", s, 8, 116, 200, 200);

    // "Eurozahlen": the star block of one slot and where it lies.
    s = TabSheet3;
    caption("Label20", s, 8, 8, 120, "Zahlenblock");
    caption("Label21", s, 8, 32, 50, "Zeilen:");
    PlaceCounter(this, Edit9, "Edit9", UpDown7, "UpDown7", s, 62, 30, 1, 12, 3);
    caption("Label22", s, 130, 32, 50, "Spalten:");
    PlaceCounter(this, Edit10, "Edit10", UpDown8, "UpDown8", s, 184, 30, 1, 11, 4);
    caption("Label23", s, 8, 62, 60, "Feldhöhe:");
    Place(this, Edit11, "Edit11", s, 70, 60, 52, kEditHeight, "19");
    caption("Label24", s, 130, 62, 60, "Feldweite:");
    Place(this, Edit12, "Edit12", s, 192, 60, 52, kEditHeight, "19");
    PlaceCheck(this, CheckBox3, "CheckBox3", s, 8, 90, 140, "Zahlen Horizontal", true);
    PlaceCheck(this, CheckBox4, "CheckBox4", s, 160, 90, 140, "unten Beginnen", false);
    caption("Label25", s, 8, 120, 60, "Abstand :");
    PlaceCounter(this, Edit13, "Edit13", UpDown11, "UpDown11", s, 70, 118, -1000, 1000, 163, 44);
    caption("Label26", s, 132, 120, 70, "Einrücken:");
    PlaceCounter(this, Edit15, "Edit15", UpDown12, "UpDown12", s, 206, 118, -1000, 1000, 0, 44);
    Place(this, StringGrid2, "StringGrid2", s, 8, 150, 200, 120);

    // "Zahlen": the tips.
    Place(this, Memo1, "Memo1", TabSheet4, 4, 4, 320, 470);
    Memo1->WordWrap = false;

    Place(this, frxPreview1, "frxPreview1", this, 344, 4, 480, 512);
    frxPreview1->SetReport(&frxReport1);

    Place(this, Panel1, "Panel1", this, 0, 524, 832, 40);
    Place(this, BitBtn2, "BitBtn2", Panel1, 8, 8, 150, kButtonHeight, "Einstellungen einlesen");
    Place(this, Seite, "Seite", Panel1, 166, 8, 80, kButtonHeight, "Seite");
    Place(this, BitBtn3, "BitBtn3", Panel1, 254, 8, 130, kButtonHeight, "Zahlen eintragen");
    Place(this, BitBtn1, "BitBtn1", Panel1, 392, 8, 100, kButtonHeight, "&Drucken");
    Place(this, Button1, "Button1", Panel1, 500, 8, 75, kButtonHeight, "Button1");
    OpenDialog1 = Create<TOpenDialog>("OpenDialog1");
}

void TForm8::bindEvents() {
    OnCreate = [this](TObject* s) { FormCreate(s); };
    // An error while opening is shown, and the window still opens.
    OnShow = [this](TObject* s) { Application->Invoke([&] { FormShow(s); }); };
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    BitBtn1->OnClick = [this](TObject* s) { BitBtn1Click(s); };
    BitBtn2->OnClick = [this](TObject* s) { BitBtn2Click(s); };
    BitBtn3->OnClick = [this](TObject* s) { BitBtn3Click(s); };
    Seite->OnClick = [this](TObject* s) { SeiteClick(s); };
    SpeedButton1->OnClick = [this](TObject* s) { SpeedButton1Click(s); };
    SpeedButton2->OnClick = [this](TObject* s) { SpeedButton2Click(s); };
    Button1->OnClick = [this](TObject* s) { Button1Click(s); };
    for (TCheckBox* box : {CheckBox1, CheckBox2, CheckBox3, CheckBox4})
        box->OnClick = [this](TObject* s) { CheckBox1Click(s); };

    auto redraw = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { UpDown10MouseDown(s, b, sh, x, y); };
    auto resize = [this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) { UpDown6MouseDown(s, b, sh, x, y); };
    for (TControl* c : std::initializer_list<TControl*>{CheckBox1, CheckBox2, UpDown1, UpDown2, UpDown7, UpDown8,
                                                        UpDown11, UpDown12})
        c->OnMouseDown = redraw;
    UpDown5->OnMouseDown = resize;
    UpDown6->OnMouseDown = resize;
    // The press comes before the counter's step; the step itself redraws
    // too, so the previews show the counters' new positions.
    for (TUpDown* u : {UpDown1, UpDown2, UpDown7, UpDown8, UpDown11, UpDown12})
        u->OnClick = [this](TObject* s, TUDBtnType) { UpDown10MouseDown(s, TMouseButton::mbLeft, {}, 0, 0); };
    for (TUpDown* u : {UpDown5, UpDown6})
        u->OnClick = [this](TObject* s, TUDBtnType) { UpDown6MouseDown(s, TMouseButton::mbLeft, {}, 0, 0); };
}
