#pragma once
// The chooser of the click script for the online submission.

#include "platform/forms/Form.h"

class TZKSForm : public TForm {
public:
    explicit TZKSForm(TComponent* owner);
    ~TZKSForm() override;
    const char* ClassName() const override { return "TZKSForm"; }
};

extern TZKSForm* ZKSForm;
