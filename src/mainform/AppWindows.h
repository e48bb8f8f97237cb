#pragma once

class TMainForm;
class TOptionForm;
class TProcessForm;

// The three long-lived windows, made by main() in this order and alive until the program ends.
extern TMainForm *MainForm;
extern TOptionForm *OptionForm;
extern TProcessForm *ProcessForm;
