#include "AppGlobals.h"

#include "BuildDate.h"
#include "ProductTexts.h"
#include "../platform/AppFolder.h"

const QString ProductName = QString::fromLatin1(ProductText::Name);
const QString DisplayProductName = QString::fromLatin1(ProductText::DisplayName);
const QString g_s_Version =
    QStringLiteral(" " POCKETREEL_VERSION_TEXT " Build on " POCKETREEL_BUILD_DATE);
const QString HomePage = QString::fromLatin1(ProductText::HomePage);
const QString SupportEmail = QString::fromLatin1(ProductText::SupportEmail);

QString g_s_OutputFolder;
QString PSPUploadFolder;
QString PSPAVCFolder;
QString PSPMP4Folder;
QString OpenDialogFilter;
int i_OutputPSPSerialNumber = 0;
int i_MinDurationTime = 0;

QString path_PNG = ExecutableFolder();
