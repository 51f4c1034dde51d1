#include "output/Online.h"

TAbgabeForm* AbgabeForm = nullptr;

TAbgabeForm::TAbgabeForm(TComponent* owner) : TForm(owner) {
    AbgabeForm = this;
    SetName("AbgabeForm");
    SetCaption("Tipp Online abgaben");
}

TAbgabeForm::~TAbgabeForm() {
    if (AbgabeForm == this) AbgabeForm = nullptr;
}
