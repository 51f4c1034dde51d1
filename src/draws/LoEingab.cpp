#include "draws/LoEingab.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(TComponent* owner) : TForm(owner) {
    Form3 = this;
    SetName("Form3");
    SetCaption("Zahlen der Ziehung eingeben");
}

TForm3::~TForm3() {
    if (Form3 == this) Form3 = nullptr;
}
