#include "AppGlobals.h"

#include "BuildDate.h"
#include "../platform/AppFolder.h"

const QString ProductName = QStringLiteral("PocketReel");
const QString DisplayProductName = QStringLiteral("PocketReel PSP Video Converter");
const QString g_s_Version =
    QStringLiteral(" " POCKETREEL_VERSION_TEXT " Build on " POCKETREEL_BUILD_DATE);
const QString HomePage = QStringLiteral("https://example.org/pocketreel");
const QString SupportEmail = QStringLiteral("mailto:support@example.org");

QString g_s_OutputFolder;
QString PSPUploadFolder;
QString PSPAVCFolder;
QString PSPMP4Folder;
QString OpenDialogFilter;
int i_OutputPSPSerialNumber = 0;
int i_MinDurationTime = 0;

QString path_PNG = ExecutableFolder();
