#include "platform/forms/Dialogs.h"

#include "platform/forms/Application.h"

bool TOpenDialog::Execute() { return Application->Services().ExecuteOpenDialog(*this); }
bool TSaveDialog::Execute() { return Application->Services().ExecuteSaveDialog(*this); }
