#pragma once
// The slip window: the slip's geometry, read from and kept in the settings
// or measured from a report template, the tips placed as marks on the
// template's views, the report preview and its printing. The main window
// keeps the six layout edits Edit1 .. Edit6 among its own settings.

#include "output/SlipLayout.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"
#include "platform/report/Report.h"
#include "platform/report/ReportPreview.h"

#include <optional>
#include <string>

class TForm8 : public TForm {
public:
    explicit TForm8(TComponent* owner);
    ~TForm8() override;
    const char* ClassName() const override { return "TForm8"; }

    TPageControl* PageControl1 = nullptr;
    TTabSheet *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet3 = nullptr, *TabSheet4 = nullptr;
    // "Spielschein"
    TEdit *Edit7 = nullptr, *Edit8 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit17 = nullptr,
          *Edit16 = nullptr, *Zeichen = nullptr, *Edit14 = nullptr, *Reportvorlage = nullptr, *BackImage = nullptr;
    TUpDown *UpDown5 = nullptr, *UpDown6 = nullptr, *fontsize = nullptr;
    TSpeedButton *SpeedButton1 = nullptr, *SpeedButton2 = nullptr;
    TStringGrid* StringGrid1 = nullptr;
    TLabel* Label18 = nullptr;
    // "Zahlenfeld"
    TEdit *Edit5 = nullptr, *Edit6 = nullptr, *Edit1 = nullptr, *Edit2 = nullptr;
    TUpDown *UpDown1 = nullptr, *UpDown2 = nullptr;
    TCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr;
    // The number-block preview: a grid of the numbers' cells.
    TStringGrid* DrawGrid1 = nullptr;
    // "Eurozahlen"
    TEdit *Edit9 = nullptr, *Edit10 = nullptr, *Edit11 = nullptr, *Edit12 = nullptr, *Edit13 = nullptr,
          *Edit15 = nullptr;
    TUpDown *UpDown7 = nullptr, *UpDown8 = nullptr, *UpDown11 = nullptr, *UpDown12 = nullptr;
    TCheckBox *CheckBox3 = nullptr, *CheckBox4 = nullptr;
    TStringGrid* StringGrid2 = nullptr;
    // "Zahlen": the tips to print, one a line.
    TMemo* Memo1 = nullptr;
    // The bottom bar.
    TPanel* Panel1 = nullptr;
    TBitBtn *BitBtn2 = nullptr, *Seite = nullptr, *BitBtn3 = nullptr, *BitBtn1 = nullptr;
    TButton* Button1 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TReport frxReport1;
    TReportPreview* frxPreview1 = nullptr;

    int32_t TippanzahlMax = 0;
    int32_t MaxZahl = 0;
    int32_t MaxEuroZahl = 0;
    bool oeffnen = false;  // preview mode: only the first slip, no print question
    double AnfangLeft = 0, AnfangTop = 0;
    double BlockTop = 0, BlockLeft = 0;
    double Breite = 0, Hoehe = 0;
    double EuroLeft = 0, EuroTop = 0;
    double EuroBreit = 0, EuroHoch = 0;
    std::string schluessel;
    double PapierB = 0, PapierH = 0;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    // The placement; false when it stopped on an error it has shown.
    bool Tippsetzen();
    void BitBtn1Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void SeiteClick(TObject* Sender);
    void SpeedButton1Click(TObject* Sender);
    void SpeedButton2Click(TObject* Sender);
    void Button1Click(TObject* Sender);
    void CheckBox1Click(TObject* Sender);
    void UpDown10MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void UpDown6MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

    // The program folder, where the templates and pictures are looked for.
    std::string Home() const;

private:
    void design();
    void bindEvents();
    // The fields from the layout controls.
    void takeLayoutFromControls();
    SlipLayout layout() const;
    // Template and background as the opening and the measurement find them;
    // false when the template is there but unreadable.
    bool loadTemplate();
    // Reads the stored layout into the controls; true when the key exists.
    bool readStoredLayout();
    // The first view of slots 1 .. slots the report lacks; empty when it
    // has them all.
    std::string firstMissingView(int slots) const;
    // Shows the message over a slip without marks: a failed action leaves
    // none behind.
    void failWithEmptySlip(const std::string& message);
    // Empties the marks of every slot a slip of this layout holds.
    void clearSlots();
    void numberPreviewSize();

    // The paper stored with the layout; each part only when it was there.
    struct StoredPaper {
        std::optional<int> size, orientation;
        std::optional<double> height, width;
    };
    StoredPaper storedPaper_;
    // The template last loaded when it was there but could not be read;
    // empty after a template that was read or that is missing.
    std::string unreadableTemplate_;
};

extern TForm8* Form8;
