#pragma once
// The program's windows, created in their fixed order; the first is the
// main window.

class TApplication;

void CreateProgramWindows(TApplication& application);

// The program's start: the application title, then its windows.
void CreateProgram(TApplication& application);
