#include "evaluation/WinSound.h"

#include "app/LottoZahlen.h"

std::string WinSoundPath(const TForm1& form) { return form.Home + form.SoundName; }

void PlayWinSound(const std::string& path) { Application->Services().PlaySoundAsync(path); }
