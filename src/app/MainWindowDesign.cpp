// The main window as designed: its frame, pages, menu and the design-time
// values of every control. The pages themselves are laid out in the files
// beside this one.

#include "app/LottoZahlen.h"
#include "app/MessageTable.h"
#include "platform/forms/Designer.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner) : TForm(owner) {
    Form1 = this;
    SetName("Form1");
    SetCaption("Zedevuvid Tippwerk  für Stellix");
    SetShowHint(true);
    designMainMenu();
    SetBounds(366, 100, 558, 100);
    SetClientHeight(468);
    designFrame();
    designTipPage();
    designLastDrawPage();
    designStatisticsPage();
    designSlipOptimisationPage();
    designMathematicsPage();
    designStarsPage();
    designGeneralPage();
    designChartPage();
    designDatabasePage();
    designInternetPage();
    PageControl1->SetActivePage(TabSheet1);
    PageControl2->SetActivePage(TabSheet8);
    designGlyphs();
    bindEvents();
}

TForm1::~TForm1() {
    if (Form1 == this) Form1 = nullptr;
}

TEdit* TForm1::TipEdit(int number) const {
    if (number < 0 || number >= static_cast<int>(tipEdits_.size())) return nullptr;
    return tipEdits_[static_cast<size_t>(number)];
}

std::string TForm1::Meldung(int n) const { return MessageLine(Memo2->Lines(), n); }

void TForm1::designFrame() {
    Place(this, StatusBar1, "StatusBar1", this, 0, 0, ClientWidth(), 19);
    StatusBar1->SetAlign(TAlign::alBottom);
    StatusBar1->AddPanel("", 150);
    StatusBar1->AddPanel("", 50);

    Place(this, PageControl1, "PageControl1", this, 0, 0, ClientWidth(), ClientHeight() - 19);
    PageControl1->SetAlign(TAlign::alClient);
    PageControl1->MultiLine = true;
    // Its own font, so that scaling the pages scales their texts too.
    PageControl1->SetFont(Font());
    const std::pair<TTabSheet**, const char*> pages[] = {
        {&TabSheet1, "Tipp-Übersicht"}, {&TabSheet2, "Zahlen der letzten Ziehung"}, {&TabSheet6, "Parameter"},
        {&TabSheet5, "Diagramm"},       {&TabSheet4, "Datenbank"},                  {&TabSheet3, "Internet-Optionen"},
    };
    const char* names[] = {"TabSheet1", "TabSheet2", "TabSheet6", "TabSheet5", "TabSheet4", "TabSheet3"};
    int i = 0;
    for (auto [sheet, caption] : pages) {
        *sheet = Create<TTabSheet>(names[i++]);
        (*sheet)->SetCaption(caption);
        (*sheet)->SetPageControl(PageControl1);
    }
    TabSheet2->SetTabVisible(false);

    HttpCli1 = Create<THttpClient>("HttpCli1");
    HttpCli1->UserAgent = "Tippwerk";
    HttpCli1->Accept = "text/html, */*";
    HttpCli1->AllowCookies = true;
    Timer1 = Create<TTimer>("Timer1");
    Timer1->SetEnabled(false);
    Timer1->SetInterval(250);
    SaveDialog1 = Create<TSaveDialog>("SaveDialog1");
    SaveDialog1->DefaultExt = "txt";
    SaveDialog1->Filter = "Textdatei|*.txt";
    OpenDialog1 = Create<TOpenDialog>("OpenDialog1");
    ActionList1 = Create<TComponent>("ActionList1");
}

void TForm1::designMainMenu() {
    MainMenu1 = Create<TMainMenu>("MainMenu1");
    auto item = [this](TMenuItem*& field, const char* name, const char* caption, TMenuItem& parent) {
        field = Create<TMenuItem>(name);
        field->SetCaption(caption);
        parent.Add(field);
        return field;
    };
    TMenuItem& bar = MainMenu1->Items();
    item(Aktualisieren1, "Aktualisieren1", "&Ziehungsdaten laden", bar)->SetShortCut(ShortCut('A', scCtrl));
    item(Berechnen1, "Berechnen1", "&Berechnen", bar)->SetShortCut(ShortCut('R', scCtrl));
    item(SpracheLanguage1, "SpracheLanguage1", "Sprache/&Language", bar);
    const std::tuple<TMenuItem**, const char*, const char*> languages[] = {
        {&Deutsch1, "Deutsch1", "Deutsch"},
        {&Englich1, "Englich1", "Englisch"},
        {&Franz1, "Franz1", "Französisch"},
        {&Spanisch1, "Spanisch1", "Spanisch"},
        {&Italenisch1, "Italenisch1", "Italienisch"},
        {&Russisch1, "Russisch1", "Russisch"},
        {&rkisch1, "rkisch1", "Türkisch"},
        {&Niederlndisch1, "Niederlndisch1", "Niederländisch"},
        {&Polnisch1, "Polnisch1", "Polnisch"},
        {&schechisch1, "schechisch1", "Tschechisch"},
        {&Slowakisch1, "Slowakisch1", "Slowakisch"},
        {&Ungarisch1, "Ungarisch1", "Ungarisch"},
        {&Grischisch1, "Grischisch1", "Griechisch"},
        {&Schwedisch1, "Schwedisch1", "Schwedisch"},
        {&Norwegisch1, "Norwegisch1", "Norwegisch"},
        {&Finnisch1, "Finnisch1", "Finnisch"},
        {&Dnisch1, "Dnisch1", "Dänisch"},
        {&Portugisisch1, "Portugisisch1", "Portugiesisch"},
        {&Chinese1, "Chinese1", "Chinese"},
    };
    for (auto [field, name, caption] : languages) LanguageItems.push_back(item(*field, name, caption, *SpracheLanguage1));
    item(N1, "N1", "-", *SpracheLanguage1)->SetVisible(false);
    item(Dateispeichern1, "Dateispeichern1", "Datei &speichern", *SpracheLanguage1);
    item(Abgeben1, "Abgeben1", "&Abgeben", bar)->SetShortCut(ShortCut('G', scCtrl));
    item(Schlieen1, "Schlieen1", "&Schließen", bar);
    SetMenu(MainMenu1);
}

void TForm1::designGlyphs() {
    const std::pair<TButtonControl*, const char*> glyphs[] = {
        {SpeedButton10, "update"}, {SpeedButton6, "previous"}, {SpeedButton7, "next"},
        {SpeedButton11, "clear"},  {SpeedButton15, "save"},    {SpeedButton16, "open"},
        {SpeedButton28, "edit"},   {auswertung, "evaluate"},   {SpeedButton13, "lucky"},
        {SpeedButton2, "chart"},   {BitBtn20, "replay"},       {BitBtn21, "stop"},
        {SpeedButton26, "chart"},  {SpeedButton22, "chart"},   {SpeedButton23, "chart"},
        {SpeedButton24, "chart"},  {SpeedButton25, "chart"},   {Superselten, "chart"},
        {SpeedButton18, "chart"},  {SuperAus, "chart"},        {SpeedButton17, "chart"},
        {SpeedButton5, "evaluate"}, {SpeedButton8, "stop"},    {SpeedButton14, "export"},
        {BitBtn1, "update"},       {BitBtn6, "delete"},        {BitBtn8, "new"},
    };
    for (auto [button, glyph] : glyphs) button->SetGlyph(glyph);
    for (const TipRow& row : tipRows_) row.EditButton->SetGlyph("edit");
}
