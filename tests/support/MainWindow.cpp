#include "support/MainWindow.h"

MainWindowHarness::MainWindowHarness() {
    app = std::make_unique<TApplication>(platform);
    app->Title = "Zedevuvid Kronfeld";
}

MainWindowHarness::~MainWindowHarness() = default;

TForm1& MainWindowHarness::create() {
    if (!form_) form_ = app->CreateForm<TForm1>();
    return *form_;
}
