// Handlers whose commands are not built yet: each does nothing until its
// command lands in the file of its subsystem.

#include "app/LottoZahlen.h"

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
