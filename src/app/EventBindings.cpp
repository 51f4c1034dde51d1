// Which handler each control's event runs. The names do not always match:
// the row labels run Label30Click, "Tipps berechnen" runs Label28Click and
// the draw deletion BitBtn4Click.

#include "app/LottoZahlen.h"

template <class Event, class Handler>
void TForm1::bindTo(const TComponent* control, const char* event, const char* name, Event& target, Handler handler) {
    target = [this, handler](auto&&... args) { (this->*handler)(std::forward<decltype(args)>(args)...); };
    recordBinding(control, event, name);
}

void TForm1::recordBinding(const TComponent* control, const char* event, const char* handler) {
    bindings_.push_back({control->Name(), event, handler});
}

// The handler's name is taken from the handler itself, so the table and
// the binding cannot disagree.
#define BIND(control, event, handler) bindTo((control), #event, #handler, (control)->event, &TForm1::handler)

void TForm1::bindEvents() {
    BIND(this, OnCreate, FormCreate);
    BIND(this, OnShow, FormShow);
    BIND(this, OnClose, FormClose);
    BIND(this, OnResize, FormResize);

    for (const TipRow& row : tipRows_) {
        BIND(row.Label, OnClick, Label30Click);
        BIND(row.Label, OnMouseMove, Label30MouseMove);
        for (int e = 0; e < 7; ++e) {
            TEdit* edit = row.Edits[static_cast<size_t>(e)];
            if (e < 5)
                BIND(edit, OnChange, Edit1Change);
            else
                BIND(edit, OnChange, Edit6Change);
            BIND(edit, OnExit, Edit1Exit);
        }
        BIND(row.EditButton, OnMouseMove, SpeedButton4MouseMove);
    }
    BIND(Tipp1Edit, OnClick, Tipp1EditClick);
    BIND(Tipp2Edit, OnClick, Tipp2EditClick);
    BIND(Tipp3Edit, OnClick, Tipp3EditClick);
    BIND(Tipp4Edit, OnClick, Tipp4EditClick);
    BIND(Tipp5Edit, OnClick, Tipp5EditClick);
    BIND(Tipp6Edit, OnClick, Tipp6EditClick);
    BIND(Tipp7Edit, OnClick, Tipp7EditClick);
    BIND(Tipp8Edit, OnClick, Tipp8EditClick);
    BIND(Tipp9Edit, OnClick, Tipp9EditClick);
    BIND(Tipp10Edit, OnClick, Tipp10EditClick);
    BIND(Tipp11Edit, OnClick, Tipp11EditClick);
    BIND(Tipp12Edit, OnClick, Tipp12EditClick);

    // Tip page.
    BIND(SpeedButton10, OnClick, TippwerkClick);
    BIND(SpeedButton6, OnClick, SpeedButton6Click);
    BIND(SpeedButton7, OnClick, SpeedButton7Click);
    BIND(SpeedButton13, OnClick, SpeedButton13Click);
    BIND(BitBtn4, OnClick, Label28Click);
    BIND(Warenkorb, OnClick, WarenkorbClick);
    BIND(SpeedButton11, OnClick, SpeedButton11Click);
    BIND(SpeedButton15, OnClick, SpeedButton15Click);
    BIND(SpeedButton16, OnClick, SpeedButton16Click);
    BIND(SpeedButton4, OnClick, SpeedButton4Click);
    BIND(BitBtn7, OnClick, BitBtn7Click);
    BIND(Button6, OnClick, Button6Click);
    BIND(Standardansicht, OnClick, StandardansichtClick);
    BIND(Listenansicht, OnClick, ListenansichtClick);
    BIND(auswertung, OnClick, auswertungClick);
    BIND(SpeedButton27, OnClick, SpeedButton27Click);
    BIND(OnlineTipp, OnClick, OnlineTippClick);
    BIND(SpeedButton28, OnClick, SpeedButton28Click);
    BIND(Gewinnzahlen, OnClick, GewinnzahlenClick);
    BIND(Gewinnzahlen, OnDblClick, GewinnzahlenDblClick);
    BIND(Gewinnzahlen, OnMouseDown, GewinnzahlenMouseDown);
    BIND(Gewinne, OnClick, GewinneClick);
    BIND(Gewinne, OnMouseDown, GewinneMouseDown);
    BIND(Panel2, OnClick, Label43Click);
    BIND(Panel8, OnClick, Label43Click);
    BIND(Label43, OnClick, Label43Click);
    BIND(Label44, OnClick, Label43Click);
    BIND(Label43, OnMouseMove, Label30MouseMove);
    BIND(Label44, OnMouseMove, Label30MouseMove);

    // Parameter pages.
    BIND(SpeedButton26, OnClick, SpeedButton26Click);
    BIND(SpeedButton22, OnClick, Button5Click);
    BIND(SpeedButton23, OnClick, Label89Click);
    BIND(SpeedButton24, OnClick, Label91Click);
    BIND(SpeedButton25, OnClick, Label90Click);
    BIND(UpDown3, OnMouseDown, UpDown3MouseDown);
    BIND(UpDown9, OnMouseUp, UpDown9MouseUp);
    BIND(UpDown15, OnMouseDown, UpDown15MouseDown);
    BIND(UpDown15, OnMouseUp, UpDown15MouseUp);
    BIND(UpDown16, OnMouseDown, UpDown16MouseDown);
    BIND(UpDown16, OnMouseUp, UpDown16MouseUp);
    BIND(Label88, OnClick, Label88Click);
    BIND(Label89, OnClick, Label89Click);
    BIND(Label90, OnClick, Label90Click);
    BIND(Label91, OnClick, Label91Click);
    BIND(Superselten, OnClick, SuperseltenClick);
    BIND(SpeedButton18, OnClick, SuperseltenClick);
    BIND(SuperAus, OnClick, SuperAusClick);
    BIND(SpeedButton17, OnClick, SuperAusClick);
    BIND(UpDown7, OnChanging, UpDown7Changing);

    // Chart page.
    BIND(SpeedButton2, OnClick, SpeedButton2Click);
    BIND(SpeedButton9, OnClick, SpeedButton9Click);
    BIND(SpeedButton1, OnClick, Button2Click);
    BIND(SpeedButton3, OnClick, Button3Click);
    BIND(SpeedButton12, OnClick, Button4Click);
    BIND(SpeedButton19, OnClick, Button5Click);
    BIND(SpeedButton20, OnClick, SuperseltenClick);
    BIND(SpeedButton21, OnClick, Button8Click);
    BIND(SpeedButton30, OnClick, SpeedButton30Click);
    BIND(SpeedButton29, OnClick, SpeedButton29Click);
    BIND(BitBtn20, OnClick, BitBtn20Click);
    BIND(BitBtn21, OnClick, BitBtn21Click);
    BIND(Timer1, OnTimer, Timer1Timer);

    // Database page.
    BIND(SpeedButton5, OnClick, SpeedButton5Click);
    BIND(BitBtn1, OnClick, TippwerkClick);
    BIND(SpeedButton8, OnClick, SpeedButton8Click);
    BIND(BitBtn2, OnClick, BitBtn2Click);
    BIND(BitBtn3, OnClick, BitBtn3Click);
    BIND(SpeedButton14, OnClick, SpeedButton14Click);
    BIND(BitBtn6, OnClick, BitBtn4Click);
    BIND(BitBtn8, OnClick, BitBtn8Click);
    BIND(Button2, OnClick, Button2Click);
    BIND(Button3, OnClick, Button3Click);
    BIND(Button4, OnClick, Button4Click);
    BIND(Button5, OnClick, Button5Click);
    BIND(Button8, OnClick, Button8Click);
    BIND(BitBtn9, OnClick, BitBtn9Click);
    BIND(BitBtn19, OnClick, BitBtn19Click);

    // Internet options page.
    for (TLabel* link : LinkLabels) BIND(link, OnClick, Label52Click);

    // Hints into the status bar.
    for (TSpeedButton* b : {BitBtn4, BitBtn7, Button6, Listenansicht, OnlineTipp, SpeedButton2, SpeedButton4,
                            SpeedButton5, SpeedButton6, SpeedButton7, SpeedButton8, SpeedButton9, SpeedButton10,
                            SpeedButton11, SpeedButton13, SpeedButton15, SpeedButton16, SpeedButton21, SpeedButton28,
                            SpeedButton29, SpeedButton30, Standardansicht, auswertung})
        BIND(b, OnMouseMove, SpeedButton4MouseMove);
    for (TBitBtn* b : {BitBtn1, BitBtn2, BitBtn3, BitBtn6, BitBtn8, BitBtn9}) BIND(b, OnMouseMove, BitBtn7MouseMove);
    for (TButton* b : {Button2, Button3, Button4, Button5}) BIND(b, OnMouseMove, Button6MouseMove);
    for (TCheckBox* c : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6, CheckBox7, CheckBox8,
                         CheckBox9, CheckBox10, CheckBox11, CheckBox12, CheckBox13, CheckBox14, CheckBox18,
                         CheckBox23, CheckBox24, CheckBox27, CheckBox28})
        BIND(c, OnMouseMove, CheckBox16MouseMove);
    for (TEdit* e : {Edit40, Edit41, Edit42, Edit84, Edit85, Edit86, Edit87, Edit91, Edit92})
        BIND(e, OnMouseMove, Edit85MouseMove);

    // Main menu.
    BIND(Aktualisieren1, OnClick, Aktualisieren1Click);
    BIND(Berechnen1, OnClick, Berechnen1Click);
    BIND(Deutsch1, OnClick, Deutsch1Click);
    BIND(Englich1, OnClick, Englich1Click);
    BIND(Franz1, OnClick, Franz1Click);
    BIND(Spanisch1, OnClick, Spanisch1Click);
    BIND(Italenisch1, OnClick, Italenisch1Click);
    BIND(Russisch1, OnClick, Russisch1Click);
    BIND(rkisch1, OnClick, rkisch1Click);
    BIND(Niederlndisch1, OnClick, Niederlndisch1Click);
    BIND(Polnisch1, OnClick, Polnisch1Click);
    BIND(schechisch1, OnClick, schechisch1Click);
    BIND(Slowakisch1, OnClick, Slowakisch1Click);
    BIND(Ungarisch1, OnClick, Ungarisch1Click);
    BIND(Grischisch1, OnClick, Grischisch1Click);
    BIND(Schwedisch1, OnClick, Schwedisch1Click);
    BIND(Norwegisch1, OnClick, Norwegisch1Click);
    BIND(Finnisch1, OnClick, Finnisch1Click);
    BIND(Dnisch1, OnClick, Dnisch1Click);
    BIND(Portugisisch1, OnClick, Portugisisch1Click);
    BIND(Chinese1, OnClick, Chinese1Click);
    BIND(Dateispeichern1, OnClick, Dateispeichern1Click);
    BIND(Abgeben1, OnClick, OnlineTippClick);
    BIND(Schlieen1, OnClick, Schlieen1Click);
}
