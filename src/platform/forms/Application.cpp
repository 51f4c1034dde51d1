#include "platform/forms/Application.h"

#include "platform/rtl/Random.h"

#include <cmath>

TApplication* Application = nullptr;

TApplication::TApplication(Platform& services) : TComponent(nullptr), services_(&services) {
    Application = this;
    SetClockSource([this] { return services_->Now(); });
    SetRandomizeClock([this] {
        // Milliseconds of the platform's clock, as a tick count would give them.
        return static_cast<uint32_t>(static_cast<int64_t>(std::fmod(services_->Now(), 49.7) * 86400000.0));
    });
    FormatSettings() = services_->UserFormatSettings();
}

TApplication::~TApplication() {
    SetClockSource({});
    SetRandomizeClock({});
    // The windows go first, while the global still names this application.
    while (ComponentCount() > 0) delete Components(ComponentCount() - 1);
    if (Application == this) Application = nullptr;
}

void TApplication::WindowTextsChanged(const std::vector<TForm*>& reached) {
    ++TextsVersion;
    for (TForm* form : reached) form->TextsVersion = TextsVersion;
}

void TApplication::BringTextsUpToDate(TForm& form) {
    if (form.TextsVersion == TextsVersion || !GiveWindowTexts) return;
    form.TextsVersion = TextsVersion;
    GiveWindowTexts(form);
}

void TApplication::HandleException(const std::exception& e) {
    services_->MessageBox(e.what(), Title, MB_OK | MB_ICONERROR);
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, int flags) {
    return services_->MessageBox(text, caption.empty() ? Title : caption, flags);
}

void TApplication::SetScreenCursor(TCursor c) {
    if (c == cursor_) return;
    cursor_ = c;
    services_->ScreenCursorChanged(c);
}

void TApplication::Terminate() {
    terminated_ = true;
    services_->Terminate();
}

void ShowMessage(const std::string& text) { Application->MessageBox(text, Application->Title, MB_OK); }
