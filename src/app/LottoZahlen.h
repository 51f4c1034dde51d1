#pragma once
// The main window: the one holder of the program's shared state. Every
// command runs as a handler of this class and reads and writes its fields
// and controls directly: a tip is the text of seven edits, a parameter the
// position of an up-down counter, the statistics the bars of the chart.

#include "app/Settings.h"
#include "generator/TipRun.h"
#include "platform/chart/Chart.h"
#include "platform/forms/Application.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Form.h"
#include "platform/forms/Menus.h"
#include "platform/forms/StdCtrls.h"
#include "platform/net/HttpClient.h"
#include "platform/rtl/DateTime.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// One row of the tip grid: its label, five number edits and two star
// edits, the cross-sum and result labels and the button that edits it.
struct TipRow {
    TLabel* Label = nullptr;
    std::array<TEdit*, 7> Edits{};
    TLabel* CrossSum = nullptr;
    TLabel* Result = nullptr;
    TSpeedButton* EditButton = nullptr;

    TEdit* Number(int i) const { return Edits[static_cast<size_t>(i)]; }  // 0..4
    TEdit* Star1() const { return Edits[5]; }
    TEdit* Star2() const { return Edits[6]; }
};

constexpr int kTipRows = 12;

// Which handler an event of a control runs, by the handler's name.
struct EventBinding {
    std::string Control;
    std::string Event;
    std::string Handler;
};

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner);
    ~TForm1() override;
    const char* ClassName() const override { return "TForm1"; }

    // The row table of the tip grid, top to bottom.
    const std::array<TipRow, kTipRows>& TipRows() const { return tipRows_; }
    const TipRow& Row(int index) const { return tipRows_[static_cast<size_t>(index)]; }  // 0..11
    // Every event the window binds, in binding order.
    const std::vector<EventBinding>& EventBindings() const { return bindings_; }
    // Message n of the message table ("" past its end).
    std::string Meldung(int n) const;

    // ---- Data fields ----
    std::string Home;
    std::string ZahlenFile;
    std::string SoundName;
    std::string LosNr;
    TDateTime Datum1 = 0;
    std::array<int32_t, 9> Zahl{};  // positions 1..8
    int32_t Position = 0;
    TDateTime aktDatum = 0;
    TDateTime dfb = 0;
    TDateTime merkdatum = 0;
    TDateTime Sterndatum = 0;
    int32_t SternenzahlMax = 12;
    std::array<bool, 9> Treffer{};  // positions 1..8
    int32_t Gewinn = 0;
    bool Zusatz = false;
    bool Super = false;
    int32_t Statistik[7][3] = {};
    bool sortieren = false;
    bool Berechnunglaeuft = false;
    int32_t LaufMax = 100000;
    // The attempt counter as the last calculation run left it at its end:
    // drawing attempts and star-choice turns together.
    int32_t LastRunAttempts = 0;
    std::string Tippsberechnen;
    int32_t Groesse = 0;
    int32_t sprache = 0;
    int32_t neuerSchein = 0;
    // Carried from start-up to close; the settings' first group gives them
    // their defaults 39, 47 and 1.
    int32_t TippTop = 0;
    int32_t TippLeft = 0;
    int32_t Land = 0;
    // The date of the draw the draw line shows. The history scans (the
    // calculation's filters, the analyses) leave `Datum1` on whatever draw
    // they read last; the commands that act on the shown draw take this.
    TDateTime ShownDrawDate = 0;

    // ---- Long commands ----
    // The commands that hold the window while they run. One runs at a time:
    // none starts while another runs, except the calculations a back-test
    // runs as its own cycles.
    enum class LongCommand { None, Calculation, DrawUpdate, BackTest, Search };
    LongCommand RunningCommand() const { return runningCommand_; }
    bool LongCommandRunning() const { return runningCommand_ != LongCommand::None; }
    // Marks a long command as running for its scope; the one it was started
    // inside (a back-test) runs again when it ends, on every path. The
    // platform hears when the outermost one starts and ends.
    class LongCommandScope {
    public:
        LongCommandScope(TForm1& form, LongCommand command)
            : form_(form), outer_(form.runningCommand_) {
            form_.runningCommand_ = command;
            if (outer_ == LongCommand::None && Application) Application->Services().LongCommandStarted();
        }
        ~LongCommandScope() {
            form_.runningCommand_ = outer_;
            if (outer_ == LongCommand::None && Application) Application->Services().LongCommandEnded();
        }
        LongCommandScope(const LongCommandScope&) = delete;
        LongCommandScope& operator=(const LongCommandScope&) = delete;

    private:
        TForm1& form_;
        LongCommand outer_;
    };

    // Set by the calculate button's stop click; a back-test running the
    // calculation as its cycle ends after that cycle.
    bool BackTestStopAsked = false;
    // The running calculation's stop, asked for by the stop click or a close.
    // The button's caption is only its sign: a translation whose stop text
    // equals the idle caption must neither keep a run from starting nor
    // from stopping.
    bool CalculationStopAsked = false;

    // ---- Window frame ----
    TMainMenu* MainMenu1 = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet *TabSheet1 = nullptr, *TabSheet2 = nullptr, *TabSheet6 = nullptr, *TabSheet5 = nullptr,
              *TabSheet4 = nullptr, *TabSheet3 = nullptr;

    // ---- Tip page ----
    TLabel *Label28 = nullptr, *Label30 = nullptr, *Label31 = nullptr, *Label32 = nullptr, *Label33 = nullptr,
           *Label34 = nullptr, *Label46 = nullptr, *Label48 = nullptr, *Label62 = nullptr, *Label61 = nullptr,
           *Label63 = nullptr, *Label64 = nullptr;
    // The 84 tip edits by their number: TipEdit(1) is Edit1, TipEdit(93) Edit93.
    TEdit* TipEdit(int number) const;
    TLabel *Label36 = nullptr, *Label37 = nullptr, *Label38 = nullptr, *Label39 = nullptr, *Label40 = nullptr,
           *Label41 = nullptr, *Label49 = nullptr, *Label50 = nullptr, *Label67 = nullptr, *Label68 = nullptr,
           *Label71 = nullptr, *Label72 = nullptr;
    TLabel *Label22 = nullptr, *Label23 = nullptr, *Label24 = nullptr, *Label25 = nullptr, *Label26 = nullptr,
           *Label27 = nullptr, *Label45 = nullptr, *Label47 = nullptr, *Label65 = nullptr, *Label66 = nullptr,
           *Label69 = nullptr, *Label70 = nullptr;
    TSpeedButton *Tipp1Edit = nullptr, *Tipp2Edit = nullptr, *Tipp3Edit = nullptr, *Tipp4Edit = nullptr,
                 *Tipp5Edit = nullptr, *Tipp6Edit = nullptr, *Tipp7Edit = nullptr, *Tipp8Edit = nullptr,
                 *Tipp9Edit = nullptr, *Tipp10Edit = nullptr, *Tipp11Edit = nullptr, *Tipp12Edit = nullptr;

    TPanel* Panel4 = nullptr;
    TSpeedButton *SpeedButton10 = nullptr, *SpeedButton6 = nullptr, *SpeedButton7 = nullptr;
    TLabel *Label35 = nullptr, *Label13 = nullptr, *Losnummer = nullptr;
    TPanel* Panel3 = nullptr;
    TSpeedButton *SpeedButton13 = nullptr, *BitBtn4 = nullptr;
    TEdit* Edit80 = nullptr;
    TUpDown* UpDown8 = nullptr;
    TButton* Warenkorb = nullptr;
    TSpeedButton *SpeedButton11 = nullptr, *SpeedButton15 = nullptr, *SpeedButton16 = nullptr,
                 *SpeedButton4 = nullptr, *BitBtn7 = nullptr, *Button6 = nullptr, *Standardansicht = nullptr,
                 *Listenansicht = nullptr, *auswertung = nullptr, *SpeedButton27 = nullptr,
                 *OnlineTipp = nullptr, *SpeedButton28 = nullptr;
    TListBox *Gewinnzahlen = nullptr, *Gewinne = nullptr;
    TPanel *Panel2 = nullptr, *Panel8 = nullptr;
    TLabel *Label43 = nullptr, *Label44 = nullptr;
    TRichEdit* RichEdit1 = nullptr;
    TImage *Image1 = nullptr, *Image2 = nullptr, *Image3 = nullptr, *Image4 = nullptr;

    // ---- Hidden page of the last draw ----
    TLabel *Label1 = nullptr, *Label2 = nullptr, *Label3 = nullptr, *Label4 = nullptr, *Label5 = nullptr,
           *Label6 = nullptr, *Label7 = nullptr, *Label8 = nullptr, *Label9 = nullptr, *Mittwochsziehung = nullptr;
    TButton* Button1 = nullptr;

    // ---- Parameter pages ----
    TPageControl* PageControl2 = nullptr;
    TTabSheet *TabSheet8 = nullptr, *TabSheet9 = nullptr, *TabSheet7 = nullptr, *TabSheet11 = nullptr,
              *TabSheet10 = nullptr;
    // "Statistisch"
    TLabel *Label81 = nullptr, *Label82 = nullptr, *Label83 = nullptr;
    TCheckBox *CheckBox19 = nullptr, *CheckBox2 = nullptr, *CheckBox10 = nullptr, *CheckBox14 = nullptr,
              *CheckBox1 = nullptr, *CheckBox11 = nullptr, *CheckBox6 = nullptr, *CheckBox12 = nullptr,
              *CheckBox7 = nullptr, *CheckBox13 = nullptr;
    TEdit *Edit85 = nullptr, *Edit86 = nullptr, *Edit87 = nullptr;
    TUpDown *UpDown12 = nullptr, *UpDown13 = nullptr, *UpDown14 = nullptr;
    TSpeedButton *SpeedButton26 = nullptr, *SpeedButton22 = nullptr, *SpeedButton23 = nullptr,
                 *SpeedButton24 = nullptr, *SpeedButton25 = nullptr;
    // "Schein Optimierung"
    TLabel *Label84 = nullptr, *Label85 = nullptr, *Label96 = nullptr, *Label105 = nullptr, *Label106 = nullptr,
           *Label107 = nullptr;
    TCheckBox *CheckBox27 = nullptr, *CheckBox29 = nullptr, *CheckBox30 = nullptr, *CheckBox31 = nullptr,
              *CheckBox3 = nullptr, *CheckBox24 = nullptr, *CheckBox23 = nullptr, *CheckBox9 = nullptr,
              *CheckBox28 = nullptr, *CheckBox4 = nullptr, *CheckBox5 = nullptr;
    TEdit *Edit39 = nullptr, *Edit88 = nullptr, *Edit84 = nullptr, *Edit42 = nullptr, *Edit91 = nullptr,
          *Edit92 = nullptr, *Edit40 = nullptr, *Edit41 = nullptr;
    TUpDown *UpDown3 = nullptr, *UpDown9 = nullptr, *UpDown11 = nullptr, *UpDown6 = nullptr, *UpDown17 = nullptr,
            *UpDown18 = nullptr, *UpDown4 = nullptr, *UpDown5 = nullptr;
    // "Mathematisch"
    TLabel *Label86 = nullptr, *Label87 = nullptr, *Label97 = nullptr, *Label42 = nullptr, *Label88 = nullptr,
           *Label89 = nullptr, *Label90 = nullptr, *Label91 = nullptr;
    TEdit *Edit37 = nullptr, *Edit38 = nullptr, *Edit83 = nullptr, *Edit89 = nullptr, *Edit90 = nullptr;
    TUpDown *UpDown1 = nullptr, *UpDown2 = nullptr, *UpDown10 = nullptr, *UpDown15 = nullptr, *UpDown16 = nullptr;
    TCheckBox *CheckBox22 = nullptr, *CheckBox25 = nullptr, *CheckBox26 = nullptr, *CheckBox8 = nullptr,
              *CheckBox18 = nullptr;
    // "Eurozahlen"
    TLabel *Label92 = nullptr, *Label77 = nullptr;
    TRadioGroup *RadioGroup1 = nullptr, *RadioGroup2 = nullptr;
    TCheckBox *CheckBox16 = nullptr, *CheckBox17 = nullptr;
    TEdit *Edit105 = nullptr, *Edit106 = nullptr;
    TUpDown *UpDown19 = nullptr, *UpDown20 = nullptr;
    TSpeedButton *Superselten = nullptr, *SpeedButton18 = nullptr, *SuperAus = nullptr, *SpeedButton17 = nullptr;
    // "Allgemein"
    TLabel *Label80 = nullptr, *Label78 = nullptr, *Label57 = nullptr, *Label58 = nullptr;
    TCheckBox *CheckBox20 = nullptr, *CheckBox15 = nullptr;
    TEdit* Edit55 = nullptr;
    TUpDown* UpDown7 = nullptr;

    // ---- Chart page ----
    TPanel *Panel6 = nullptr, *Panel23 = nullptr;
    TChart* Chart1 = nullptr;
    TBarSeries *Series2 = nullptr, *Series1 = nullptr;
    TSpeedButton *SpeedButton2 = nullptr, *SpeedButton9 = nullptr, *SpeedButton1 = nullptr, *SpeedButton3 = nullptr,
                 *SpeedButton12 = nullptr, *SpeedButton19 = nullptr, *SpeedButton20 = nullptr,
                 *SpeedButton21 = nullptr, *SpeedButton30 = nullptr, *SpeedButton29 = nullptr;
    TDateTimePicker* DateTimePicker2 = nullptr;
    TEdit* Edit107 = nullptr;
    TUpDown* UpDown21 = nullptr;
    TBitBtn *BitBtn20 = nullptr, *BitBtn21 = nullptr;

    // ---- Database page ----
    TLabel *Label29 = nullptr, *Label93 = nullptr, *Label94 = nullptr, *Label95 = nullptr;
    TDateTimePicker* DateTimePicker1 = nullptr;
    TSpeedButton *SpeedButton5 = nullptr, *SpeedButton8 = nullptr, *SpeedButton14 = nullptr;
    TBitBtn *BitBtn1 = nullptr, *BitBtn2 = nullptr, *BitBtn3 = nullptr, *BitBtn6 = nullptr, *BitBtn8 = nullptr,
            *BitBtn9 = nullptr, *BitBtn19 = nullptr;
    TButton *Button2 = nullptr, *Button3 = nullptr, *Button4 = nullptr, *Button5 = nullptr, *Button8 = nullptr,
            *Button7 = nullptr;
    TMemo *Memo1 = nullptr, *Memo2 = nullptr;

    // ---- Internet options page ----
    TPanel* Panel1 = nullptr;
    TLabel *Label10 = nullptr, *Label11 = nullptr;
    TEdit *ProxyHostEdit = nullptr, *ProxyPortEdit = nullptr;
    TComboBox* Lottoportal = nullptr;
    TCheckBox* CheckBox21 = nullptr;
    TEdit *Edit81 = nullptr, *Edit82 = nullptr, *URLEdit = nullptr;
    // The link labels, in the order Label51..Label56, Label79, Label98..Label103, Label12.
    std::vector<TLabel*> LinkLabels;
    TLabel *Label51 = nullptr, *Label52 = nullptr, *Label53 = nullptr, *Label54 = nullptr, *Label55 = nullptr,
           *Label56 = nullptr, *Label79 = nullptr, *Label98 = nullptr, *Label99 = nullptr, *Label100 = nullptr,
           *Label101 = nullptr, *Label102 = nullptr, *Label103 = nullptr, *Label12 = nullptr;
    TLabel *Label21 = nullptr, *Label73 = nullptr, *Label74 = nullptr, *Label75 = nullptr, *Label76 = nullptr,
           *Label104 = nullptr;

    // ---- Components without a view ----
    THttpClient* HttpCli1 = nullptr;
    TTimer* Timer1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TComponent* ActionList1 = nullptr;

    // ---- Main menu ----
    TMenuItem *Aktualisieren1 = nullptr, *Berechnen1 = nullptr, *SpracheLanguage1 = nullptr, *Abgeben1 = nullptr,
              *Schlieen1 = nullptr;
    TMenuItem *Deutsch1 = nullptr, *Englich1 = nullptr, *Franz1 = nullptr, *Spanisch1 = nullptr,
              *Italenisch1 = nullptr, *Russisch1 = nullptr, *rkisch1 = nullptr, *Niederlndisch1 = nullptr,
              *Polnisch1 = nullptr, *schechisch1 = nullptr, *Slowakisch1 = nullptr, *Ungarisch1 = nullptr,
              *Grischisch1 = nullptr, *Schwedisch1 = nullptr, *Norwegisch1 = nullptr, *Finnisch1 = nullptr,
              *Dnisch1 = nullptr, *Portugisisch1 = nullptr, *Chinese1 = nullptr;
    TMenuItem *N1 = nullptr, *Dateispeichern1 = nullptr;
    // The language items in menu order (index 0 is the built-in German).
    std::vector<TMenuItem*> LanguageItems;

    // ---- Window life cycle ----
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormResize(TObject* Sender);

    // ---- Handlers ----
    void Label30Click(TObject* Sender);
    void Label30MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void SpeedButton4MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void BitBtn7MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Button6MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void CheckBox16MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Edit85MouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void Edit1Change(TObject* Sender);
    void Edit6Change(TObject* Sender);
    void Edit1Exit(TObject* Sender);
    void Tipp1EditClick(TObject* Sender);
    void Tipp2EditClick(TObject* Sender);
    void Tipp3EditClick(TObject* Sender);
    void Tipp4EditClick(TObject* Sender);
    void Tipp5EditClick(TObject* Sender);
    void Tipp6EditClick(TObject* Sender);
    void Tipp7EditClick(TObject* Sender);
    void Tipp8EditClick(TObject* Sender);
    void Tipp9EditClick(TObject* Sender);
    void Tipp10EditClick(TObject* Sender);
    void Tipp11EditClick(TObject* Sender);
    void Tipp12EditClick(TObject* Sender);
    void TippwerkClick(TObject* Sender);
    void SpeedButton6Click(TObject* Sender);
    void SpeedButton7Click(TObject* Sender);
    void SpeedButton13Click(TObject* Sender);
    void Label28Click(TObject* Sender);
    void WarenkorbClick(TObject* Sender);
    void SpeedButton11Click(TObject* Sender);
    void SpeedButton15Click(TObject* Sender);
    void SpeedButton16Click(TObject* Sender);
    void SpeedButton4Click(TObject* Sender);
    void BitBtn7Click(TObject* Sender);
    void Button6Click(TObject* Sender);
    void StandardansichtClick(TObject* Sender);
    void ListenansichtClick(TObject* Sender);
    void auswertungClick(TObject* Sender);
    void SpeedButton27Click(TObject* Sender);
    void OnlineTippClick(TObject* Sender);
    void SpeedButton28Click(TObject* Sender);
    void GewinnzahlenClick(TObject* Sender);
    void GewinnzahlenDblClick(TObject* Sender);
    void GewinnzahlenMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void GewinneClick(TObject* Sender);
    void GewinneMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Label43Click(TObject* Sender);
    void Label52Click(TObject* Sender);
    void SpeedButton26Click(TObject* Sender);
    void Button5Click(TObject* Sender);
    void Label88Click(TObject* Sender);
    void Label89Click(TObject* Sender);
    void Label90Click(TObject* Sender);
    void Label91Click(TObject* Sender);
    void SuperseltenClick(TObject* Sender);
    void SuperAusClick(TObject* Sender);
    void UpDown3MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void UpDown9MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void UpDown15MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void UpDown15MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void UpDown16MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void UpDown16MouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void UpDown7Changing(TObject* Sender, bool& AllowChange);
    void SpeedButton2Click(TObject* Sender);
    void SpeedButton3Click(TObject* Sender);  // the star frequency chart; no control runs it
    void SpeedButton9Click(TObject* Sender);
    void Button2Click(TObject* Sender);
    void Button3Click(TObject* Sender);
    void Button4Click(TObject* Sender);
    void Button8Click(TObject* Sender);
    void SpeedButton29Click(TObject* Sender);
    void SpeedButton30Click(TObject* Sender);
    void BitBtn20Click(TObject* Sender);
    void BitBtn21Click(TObject* Sender);
    void Timer1Timer(TObject* Sender);
    void SpeedButton5Click(TObject* Sender);
    void SpeedButton8Click(TObject* Sender);
    void BitBtn2Click(TObject* Sender);
    void BitBtn3Click(TObject* Sender);
    void SpeedButton14Click(TObject* Sender);
    void BitBtn4Click(TObject* Sender);  // deletes the shown draw; runs from BitBtn6
    void BitBtn8Click(TObject* Sender);
    void BitBtn9Click(TObject* Sender);
    void BitBtn19Click(TObject* Sender);
    void SpeedButton17Click(TObject* Sender);  // the basket; no control runs it
    void Aktualisieren1Click(TObject* Sender);
    void Berechnen1Click(TObject* Sender);
    void Schlieen1Click(TObject* Sender);
    void Dateispeichern1Click(TObject* Sender);
    void Deutsch1Click(TObject* Sender);
    void Englich1Click(TObject* Sender);
    void Franz1Click(TObject* Sender);
    void Spanisch1Click(TObject* Sender);
    void Italenisch1Click(TObject* Sender);
    void Russisch1Click(TObject* Sender);
    void rkisch1Click(TObject* Sender);
    void Niederlndisch1Click(TObject* Sender);
    void Polnisch1Click(TObject* Sender);
    void schechisch1Click(TObject* Sender);
    void Slowakisch1Click(TObject* Sender);
    void Ungarisch1Click(TObject* Sender);
    void Grischisch1Click(TObject* Sender);
    void Schwedisch1Click(TObject* Sender);
    void Norwegisch1Click(TObject* Sender);
    void Finnisch1Click(TObject* Sender);
    void Dnisch1Click(TObject* Sender);
    void Portugisisch1Click(TObject* Sender);
    void Chinese1Click(TObject* Sender);

    // ---- Routines the commands share ----
    // Compares a tip, given as its seven texts, with the current draw.
    void Zettelcheck(const std::string& Edit1T, const std::string& Edit2T, const std::string& Edit3T,
                     const std::string& Edit4T, const std::string& Edit5T, const std::string& Edit6T,
                     const std::string& Edit7T);
    // Evaluates the grid / the tip list against the current draw; the best hit code.
    int Komplettcheck();
    int Listengewinncheck();
    void ListenansichtOhneClick(TObject* Sender);
    // Applies the stored language, then shows the current draw and its chart.
    void SpracheSetzen();
    // Loads a language: the base file's full path and the language's code.
    void DateiLaden1Click(const std::string& Dateiname, const std::string& Sprache);

    // ---- Start-up and settings ----
    // A window created after the main window: brought to its scale, and the
    // slip window given the layout texts read at start-up.
    void WindowCreated(TForm& window);

    // ---- Evaluation ----

    // ---- Draw display and navigation ----

    // ---- Charts ----

    // ---- Grid editing and the number picker ----
    // Edits the number edits Edit<Anfang> .. Edit<Ende> in the number picker.
    void TippEdit(int Anfang, int Ende);
    // Edits grid row `row` (0..11) in the picker, then fills missing stars.
    void EditTipRow(int row);

    // ---- Tip files ----
    // Saves the tips of the view through the save dialog; false when the
    // dialog was cancelled.
    bool SaveTips();
    // Clears the tips of the view after its question; false when the user
    // kept them.
    bool ClearTips();
    // Clears them without asking.
    void EmptyTips();

    // ---- Tip calculation ----
    // The pool of a run from the statistics options, with its review in the
    // number picker; false when the review was cancelled.
    bool BuildNumberPool(TipRun& run);
    void ListeUebernehmen(TipRun& run);
    // Gives the candidate its two stars from the star options.
    void Sternesetzen(TipRun& run);
    // One attempt for the run's row: draws the missing numbers, chooses the
    // stars and runs the row tests; true when the candidate is the row's tip.
    bool TryCandidate(TipRun& run);
    // Tests 9 to 16 of the chain on a complete candidate.
    bool Filtercheck(TipRun& run);
    bool Secheroderfuenfer(int Tipp1, int tipp2, int tipp3, int tipp4, int tipp5, int tipp6, int tipp7);
    bool dreierodervierer(int Tipp1, int tipp2, int tipp3, int tipp4, int tipp5, int tipp6, int tipp7);
    int primzahlen(uint8_t Zahl1, uint8_t zahl2, uint8_t zahl3, uint8_t zahl4, uint8_t zahl5, uint8_t Zahl6,
                   uint8_t Zahl7);

private:
    void designFrame();
    void designTipPage();
    void designLastDrawPage();
    void designStatisticsPage();
    void designSlipOptimisationPage();
    void designMathematicsPage();
    void designStarsPage();
    void designGeneralPage();
    void designChartPage();
    void designDatabasePage();
    void designInternetPage();
    void designMainMenu();
    void designGlyphs();
    void bindEvents();

    // Records a binding for the table; the macro in the binding code pairs
    // the handler's name with the handler itself.
    void recordBinding(const TComponent* control, const char* event, const char* handler);
    template <class Event, class Handler>
    void bindTo(const TComponent* control, const char* event, const char* name, Event& target, Handler handler);

    LongCommand runningCommand_ = LongCommand::None;
    // A chart replay tick is running: the timer never enters a second one.
    bool replayTickRunning_ = false;
    std::array<TipRow, kTipRows> tipRows_{};
    std::array<TEdit*, 105> tipEdits_{};  // by edit number
    std::vector<EventBinding> bindings_;

    // Start-up and close.
    void saveTipList();
    // Languages: a menu item's choice, and applying one.
    void languageItemClicked(int index);
    void chooseLanguage(const struct Language& language);
    void scaleWindows(int height);
    SlipLayoutTexts slipLayout_;
};

extern TForm1* Form1;
