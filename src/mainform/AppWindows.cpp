#include "AppWindows.h"

TMainForm *MainForm = nullptr;
TOptionForm *OptionForm = nullptr;
TProcessForm *ProcessForm = nullptr;
