// The language loader over a base file, a translation file and a radio
// items file (the input's three parts, split at NUL bytes), applied to a
// small window with a control of every translatable kind, as every window
// gets them in a load and as a window made later gets them.
#include "app/LanguageFiles.h"
#include "platform/forms/ComCtrls.h"
#include "platform/forms/Menus.h"
#include "platform/forms/StdCtrls.h"
#include "platform/rtl/TextEncoding.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

class Window : public TForm {
public:
    explicit Window(TComponent* owner) : TForm(owner) {
        SetName("Form1");
        for (const char* name : {"Label1", "Label2"}) Create<TLabel>(name);
        Create<TLabel>("Label3")->SetTag(8);
        Create<TEdit>("Edit1")->SetText("17");
        Create<TCheckBox>("CheckBox1");
        Create<TSpeedButton>("SpeedButton1");
        Create<TMenuItem>("Item1");
        group = Create<TRadioGroup>("RadioGroup1");
        for (const char* item : {"a", "b", "c"}) group->Items().Add(item);
        group->SetItemIndex(2);
    }
    TRadioGroup* group;
};

TStringList lines(std::string_view bytes) {
    TEncoding encoding;
    TStringList list;
    list.SetText(DecodeFileText(bytes, encoding));
    return list;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> parts;
    while (parts.size() < 2) {
        const size_t cut = input.find('\0');
        if (cut == std::string_view::npos) break;
        parts.push_back(input.substr(0, cut));
        input.remove_prefix(cut + 1);
    }
    parts.push_back(input);

    TComponent owner;
    auto* window = owner.Create<Window>("Form1");
    const TStringList base = lines(parts[0]);
    const TStringList translation = lines(parts.size() > 1 ? parts[1] : std::string_view());
    const LanguageTexts texts = ReadLanguageTexts(base, parts.size() > 1 ? &translation : nullptr);
    LoadLanguageTexts({window}, texts);
    // The same texts again, as a window made after the load gets them.
    LoadWindowTexts(*window, texts);
    if (parts.size() > 2) ApplyRadioItems(*window->group, lines(parts[2]));
    if (window->group->ItemIndex() != 2 || window->group->Items().Count() != 3) __builtin_trap();
    if (static_cast<TEdit*>(window->FindComponent("Edit1"))->Text() != "17") __builtin_trap();
    return 0;
}
