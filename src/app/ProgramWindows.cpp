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
    application.CreateForm<TForm1>();
    application.CreateForm<TForm3>();
    application.CreateForm<TForm5>();
    application.CreateForm<TForm6>();
    application.CreateForm<TForm8>();
    application.CreateForm<TForm9>();
    application.CreateForm<TZKSForm>();
    application.CreateForm<TAbgabeForm>();
}
