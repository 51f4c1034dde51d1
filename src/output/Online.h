#pragma once
// The online submission window; it is never shown.

#include "platform/forms/Form.h"

class TAbgabeForm : public TForm {
public:
    explicit TAbgabeForm(TComponent* owner);
    ~TAbgabeForm() override;
    const char* ClassName() const override { return "TAbgabeForm"; }
};

extern TAbgabeForm* AbgabeForm;
