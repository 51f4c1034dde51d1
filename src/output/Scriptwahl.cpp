#include "output/Scriptwahl.h"

TZKSForm* ZKSForm = nullptr;

TZKSForm::TZKSForm(TComponent* owner) : TForm(owner) {
    ZKSForm = this;
    SetName("ZKSForm");
    SetCaption("Script für Zahlenübergabe auswählen!");
}

TZKSForm::~TZKSForm() {
    if (ZKSForm == this) ZKSForm = nullptr;
}
