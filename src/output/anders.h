#pragma once
// The slip window: the slip's geometry, its preview and its printing. The
// main window keeps its six layout edits among its own settings.

#include "platform/forms/ComCtrls.h"
#include "platform/forms/Form.h"

class TForm8 : public TForm {
public:
    explicit TForm8(TComponent* owner);
    ~TForm8() override;
    const char* ClassName() const override { return "TForm8"; }

    TEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr, *Edit5 = nullptr,
          *Edit6 = nullptr;
    TUpDown *UpDown1 = nullptr, *UpDown2 = nullptr;
};

extern TForm8* Form8;
