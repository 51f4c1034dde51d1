// Handlers whose commands are not built yet: each does nothing until its
// command lands in the file of its subsystem.

#include "app/LottoZahlen.h"

void TForm1::TippwerkClick(TObject*) {}
void TForm1::SpeedButton8Click(TObject*) {}
void TForm1::BitBtn2Click(TObject*) {}
void TForm1::Aktualisieren1Click(TObject*) {}
