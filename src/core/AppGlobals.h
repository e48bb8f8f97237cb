#pragma once

#include <QString>

// Process-wide values shared by every window. They are touched only on the window thread; the
// conversion worker works from a snapshot taken when its run starts.

extern const QString ProductName;        // key string: single-instance lock, main window title
extern const QString DisplayProductName; // application title
extern const QString g_s_Version;        // " 1.0.0 Build on YYYYMMDD"
extern const QString HomePage;
extern const QString SupportEmail;       // mailto: URL without a query part

extern QString g_s_OutputFolder;         // ends with "/" once the options are loaded
extern QString PSPUploadFolder;
extern QString PSPAVCFolder;
extern QString PSPMP4Folder;
extern QString OpenDialogFilter;         // "text|mask;mask|text|mask..." as stored in Option.ini
extern int i_OutputPSPSerialNumber;
extern int i_MinDurationTime;            // seconds

// Folder of the executable, ending with "/"; computed at start-up. Tests may point it elsewhere.
extern QString path_PNG;
