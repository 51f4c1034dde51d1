// Handlers whose commands are not built yet: each does nothing until its
// command lands in the file of its subsystem.

#include "app/LottoZahlen.h"

void TForm1::FormCreate(TObject*) {}
void TForm1::FormShow(TObject*) {}
void TForm1::FormClose(TObject*, TCloseAction&) {}
void TForm1::FormResize(TObject*) {}
void TForm1::Label30Click(TObject*) {}
void TForm1::Label30MouseMove(TObject*, TShiftState, int, int) {}
void TForm1::SpeedButton4MouseMove(TObject*, TShiftState, int, int) {}
void TForm1::BitBtn7MouseMove(TObject*, TShiftState, int, int) {}
void TForm1::Button6MouseMove(TObject*, TShiftState, int, int) {}
void TForm1::CheckBox16MouseMove(TObject*, TShiftState, int, int) {}
void TForm1::Edit85MouseMove(TObject*, TShiftState, int, int) {}
void TForm1::Edit1Change(TObject*) {}
void TForm1::Edit6Change(TObject*) {}
void TForm1::Edit1Exit(TObject*) {}
void TForm1::Tipp1EditClick(TObject*) {}
void TForm1::Tipp2EditClick(TObject*) {}
void TForm1::Tipp3EditClick(TObject*) {}
void TForm1::Tipp4EditClick(TObject*) {}
void TForm1::Tipp5EditClick(TObject*) {}
void TForm1::Tipp6EditClick(TObject*) {}
void TForm1::Tipp7EditClick(TObject*) {}
void TForm1::Tipp8EditClick(TObject*) {}
void TForm1::Tipp9EditClick(TObject*) {}
void TForm1::Tipp10EditClick(TObject*) {}
void TForm1::Tipp11EditClick(TObject*) {}
void TForm1::Tipp12EditClick(TObject*) {}
void TForm1::TippwerkClick(TObject*) {}
void TForm1::SpeedButton6Click(TObject*) {}
void TForm1::SpeedButton7Click(TObject*) {}
void TForm1::SpeedButton13Click(TObject*) {}
void TForm1::Label28Click(TObject*) {}
void TForm1::WarenkorbClick(TObject*) {}
void TForm1::SpeedButton11Click(TObject*) {}
void TForm1::SpeedButton15Click(TObject*) {}
void TForm1::SpeedButton16Click(TObject*) {}
void TForm1::SpeedButton4Click(TObject*) {}
void TForm1::BitBtn7Click(TObject*) {}
void TForm1::Button6Click(TObject*) {}
void TForm1::StandardansichtClick(TObject*) {}
void TForm1::ListenansichtClick(TObject*) {}
void TForm1::auswertungClick(TObject*) {}
void TForm1::SpeedButton27Click(TObject*) {}
void TForm1::OnlineTippClick(TObject*) {}
void TForm1::SpeedButton28Click(TObject*) {}
void TForm1::GewinnzahlenClick(TObject*) {}
void TForm1::GewinnzahlenDblClick(TObject*) {}
void TForm1::GewinnzahlenMouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
void TForm1::GewinneClick(TObject*) {}
void TForm1::GewinneMouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
void TForm1::Label43Click(TObject*) {}
void TForm1::Label52Click(TObject*) {}
void TForm1::SpeedButton26Click(TObject*) {}
void TForm1::Button5Click(TObject*) {}
void TForm1::Label88Click(TObject*) {}
void TForm1::Label89Click(TObject*) {}
void TForm1::Label90Click(TObject*) {}
void TForm1::Label91Click(TObject*) {}
void TForm1::SuperseltenClick(TObject*) {}
void TForm1::SuperAusClick(TObject*) {}
void TForm1::UpDown3MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
void TForm1::UpDown9MouseUp(TObject*, TMouseButton, TShiftState, int, int) {}
void TForm1::UpDown15MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
void TForm1::UpDown15MouseUp(TObject*, TMouseButton, TShiftState, int, int) {}
void TForm1::UpDown16MouseDown(TObject*, TMouseButton, TShiftState, int, int) {}
void TForm1::UpDown16MouseUp(TObject*, TMouseButton, TShiftState, int, int) {}
void TForm1::UpDown7Changing(TObject*, bool&) {}
void TForm1::SpeedButton2Click(TObject*) {}
void TForm1::SpeedButton3Click(TObject*) {}
void TForm1::SpeedButton9Click(TObject*) {}
void TForm1::Button2Click(TObject*) {}
void TForm1::Button3Click(TObject*) {}
void TForm1::Button4Click(TObject*) {}
void TForm1::Button8Click(TObject*) {}
void TForm1::SpeedButton29Click(TObject*) {}
void TForm1::SpeedButton30Click(TObject*) {}
void TForm1::BitBtn20Click(TObject*) {}
void TForm1::BitBtn21Click(TObject*) {}
void TForm1::Timer1Timer(TObject*) {}
void TForm1::SpeedButton5Click(TObject*) {}
void TForm1::SpeedButton8Click(TObject*) {}
void TForm1::BitBtn2Click(TObject*) {}
void TForm1::BitBtn3Click(TObject*) {}
void TForm1::SpeedButton14Click(TObject*) {}
void TForm1::BitBtn4Click(TObject*) {}
void TForm1::BitBtn8Click(TObject*) {}
void TForm1::BitBtn9Click(TObject*) {}
void TForm1::BitBtn19Click(TObject*) {}
void TForm1::SpeedButton17Click(TObject*) {}
void TForm1::Aktualisieren1Click(TObject*) {}
void TForm1::Berechnen1Click(TObject*) {}
void TForm1::Schlieen1Click(TObject*) {}
void TForm1::Dateispeichern1Click(TObject*) {}
void TForm1::Deutsch1Click(TObject*) {}
void TForm1::Englich1Click(TObject*) {}
void TForm1::Franz1Click(TObject*) {}
void TForm1::Spanisch1Click(TObject*) {}
void TForm1::Italenisch1Click(TObject*) {}
void TForm1::Russisch1Click(TObject*) {}
void TForm1::rkisch1Click(TObject*) {}
void TForm1::Niederlndisch1Click(TObject*) {}
void TForm1::Polnisch1Click(TObject*) {}
void TForm1::schechisch1Click(TObject*) {}
void TForm1::Slowakisch1Click(TObject*) {}
void TForm1::Ungarisch1Click(TObject*) {}
void TForm1::Grischisch1Click(TObject*) {}
void TForm1::Schwedisch1Click(TObject*) {}
void TForm1::Norwegisch1Click(TObject*) {}
void TForm1::Finnisch1Click(TObject*) {}
void TForm1::Dnisch1Click(TObject*) {}
void TForm1::Portugisisch1Click(TObject*) {}
void TForm1::Chinese1Click(TObject*) {}
void TForm1::Zettelcheck(const std::string&, const std::string&, const std::string&, const std::string&,
                         const std::string&, const std::string&, const std::string&) {}
int TForm1::Komplettcheck() { return 0; }
int TForm1::Listengewinncheck() { return 0; }
void TForm1::ListenansichtOhneClick(TObject*) {}
void TForm1::SpracheSetzen() {}
