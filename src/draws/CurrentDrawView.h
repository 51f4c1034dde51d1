#pragma once
// What the draw display and the draw navigation do with the current draw
// once they have loaded it: show it, select its date, evaluate the tips.

#include "app/LottoZahlen.h"
#include "draws/DrawLine.h"

// The pickers' design date, taken when a draw's date is out of their range.
constexpr TDateTime kFallbackPickerDate = 40991;  // 2012-03-23

// Writes the current draw into the draw line `Label29` and the cross-sum
// label `Label13`; the star words are the hints of `Label22` and `Label23`.
void ShowCurrentDraw(TForm1& form, DrawLineForm lineForm);

// Sets the picker to a draw's date. A date the picker refuses (no draw, or a
// draw older than the picker's earliest date) gives the fallback date.
void SelectDrawDate(TDateTimePicker& picker, TDateTime date);

// Evaluates the tips against the current draw: the tip list in the list
// view, the tip grid otherwise.
void EvaluateCurrentDraw(TForm1& form);
