// Handlers whose commands are not built yet: each does nothing until its
// command lands in the file of its subsystem.

#include "app/LottoZahlen.h"

void TForm1::TippwerkClick(TObject*) {}
void TForm1::WarenkorbClick(TObject*) {}
void TForm1::SpeedButton4Click(TObject*) {}
void TForm1::BitBtn7Click(TObject*) {}
void TForm1::Button6Click(TObject*) {}
void TForm1::auswertungClick(TObject*) {}
void TForm1::SpeedButton27Click(TObject*) {}
void TForm1::OnlineTippClick(TObject*) {}
void TForm1::BitBtn20Click(TObject*) {}
void TForm1::BitBtn21Click(TObject*) {}
void TForm1::Timer1Timer(TObject*) {}
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
