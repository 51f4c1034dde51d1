#include "support/MainWindow.h"

#include "platform/registry/Registry.h"

MainWindowHarness::MainWindowHarness() {
    startApplication();
    TRegistry::SetHiveFolder(config.home());
}

void MainWindowHarness::startApplication() {
    app = std::make_unique<TApplication>(platform);
    app->Title = "Zedevuvid Kronfeld";
    app->ExeName = dir.home() + "Stellix";
}

MainWindowHarness::~MainWindowHarness() {
    app.reset();
    TRegistry::SetHiveFolder("");
}

TForm1& MainWindowHarness::create() {
    if (!form_) form_ = app->CreateForm<TForm1>();
    return *form_;
}

void MainWindowHarness::close() {
    if (auto* main = dynamic_cast<TForm*>(app->MainForm)) main->Close();
}

TForm1& MainWindowHarness::restart() {
    app.reset();
    form_ = nullptr;
    startApplication();
    return create();
}

void SetRowTexts(TForm1& form, int row, const RowTexts& texts) {
    const TipRow& r = form.Row(row - 1);
    for (size_t i = 0; i < 7; ++i) r.Edits[i]->SetText(texts[i]);
}

RowTexts GetRowTexts(const TForm1& form, int row) {
    RowTexts texts;
    for (size_t i = 0; i < 7; ++i) texts[i] = form.Row(row - 1).Edits[i]->Text();
    return texts;
}
