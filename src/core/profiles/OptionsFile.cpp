#include "OptionsFile.h"

#include "OptionsLock.h"
#include "ProfileValue.h"

#include "core/AppGlobals.h"
#include "platform/IniFile.h"
#include "platform/LogCategories.h"
#include "platform/UserDataFolder.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString Section = QStringLiteral("Option");

QString withSlash(QString folder)
{
    folder.replace(u'\\', u'/');
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString storedFolder(const IniFile &file, const QString &key)
{
    return file.readString(Section, key, QString()).replace(u'\\', u'/');
}

void createOneLevel(const QString &folder)
{
    if (!QFileInfo(folder).isDir())
        QDir().mkdir(folder);
}

} // namespace

OptionsFile::OptionsFile(QString path, QString homeFolder)
    : path_(std::move(path))
    , homeFolder_(std::move(homeFolder))
{
}

QString OptionsFile::UserPath(const QString &appFolder)
{
    return UserDataPath(appFolder, ProductName, QStringLiteral("Option.ini"));
}

LanguageChoices OptionsFile::LoadOptions()
{
    const IniFile file(path_);
    LanguageChoices languages;
    languages.audio = file.readInteger(Section, QStringLiteral("DefaultAudio"), 1);
    languages.subtitle = file.readInteger(Section, QStringLiteral("DefaultSubtitle"), 1);

    QString folder = file.readString(Section, QStringLiteral("OutputFolder"), NoDef).replace(u'\\', u'/');
    if ((folder == NoDef || !QFileInfo(folder).isDir()) && QFileInfo(homeFolder_).isDir())
        folder = withSlash(homeFolder_) + QStringLiteral("OrvoOutput/");
    g_s_OutputFolder = withSlash(folder);
    createOneLevel(g_s_OutputFolder);
    if (g_s_OutputFolder.right(4).toUpper() != QStringLiteral("PSP/"))
        g_s_OutputFolder += QStringLiteral("PSP/");
    createOneLevel(g_s_OutputFolder);

    const int storedSerial = file.readInteger(Section, QStringLiteral("OutputSerialNumber"), 1);
    i_OutputPSPSerialNumber = loaded_ ? std::max(storedSerial, i_OutputPSPSerialNumber) : storedSerial;
    loaded_ = true;

    PSPUploadFolder = storedFolder(file, QStringLiteral("PSPUploadFolder"));
    PSPAVCFolder = storedFolder(file, QStringLiteral("PSPAVCFolder"));
    PSPMP4Folder = storedFolder(file, QStringLiteral("PSPMP4Folder"));
    i_MinDurationTime = file.readInteger(Section, QStringLiteral("MinDuration"), -1);
    OpenDialogFilter = file.readString(Section, QStringLiteral("OpenDialogFilter"), QString());
    return languages;
}

void OptionsFile::SaveOptions(const LanguageChoices &languages)
{
    if (!g_s_OutputFolder.endsWith(u'/'))
        g_s_OutputFolder += u'/';
    // Without the lock the options are still saved: losing them would be worse than the rare
    // race with a command line taking numbers at this very moment.
    const OptionsLock lock(path_);
    if (!lock.IsLocked())
        qCWarning(lcProfiles).noquote() << lock.Failure() << "- saving the options without it";
    IniFile file(path_);
    const int storedSerial = file.readInteger(Section, QStringLiteral("OutputSerialNumber"), 1);
    file.writeString(Section, QStringLiteral("DefaultAudio"), QString::number(languages.audio));
    file.writeString(Section, QStringLiteral("DefaultSubtitle"), QString::number(languages.subtitle));
    file.writeString(Section, QStringLiteral("OutputFolder"), g_s_OutputFolder);
    file.writeString(Section, QStringLiteral("OutputSerialNumber"),
                     QString::number(std::max(storedSerial, i_OutputPSPSerialNumber)));
}
