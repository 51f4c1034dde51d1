#pragma once
// The winnings window: the hit table turned into money.

#include "platform/forms/Form.h"

class TForm9 : public TForm {
public:
    explicit TForm9(TComponent* owner);
    ~TForm9() override;
    const char* ClassName() const override { return "TForm9"; }
};

extern TForm9* Form9;
