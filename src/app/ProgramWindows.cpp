#include "app/ProgramWindows.h"

#include "app/LottoZahlen.h"
#include "draws/LoEingab.h"
#include "evaluation/auswert.h"
#include "generator/Zahlenwahl.h"
#include "output/Online.h"
#include "output/Scriptwahl.h"
#include "output/Spielwahl.h"
#include "output/anders.h"

void CreateProgramWindows(TApplication& application) {
    TForm1* main = application.CreateForm<TForm1>();
    auto created = [main](TForm* window) { main->WindowCreated(*window); };
    created(application.CreateForm<TForm3>());
    created(application.CreateForm<TForm5>());
    created(application.CreateForm<TForm6>());
    created(application.CreateForm<TForm8>());
    created(application.CreateForm<TForm9>());
    created(application.CreateForm<TZKSForm>());
    created(application.CreateForm<TAbgabeForm>());
}

void CreateProgram(TApplication& application) {
    application.Title = "Zedevuvid Kronfeld";
    CreateProgramWindows(application);
}
