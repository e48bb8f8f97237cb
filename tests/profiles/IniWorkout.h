// Everything the program does with its three INI files, done on files that all hold the same
// bytes: the definition file's lists for every format, every profile listed, applied and named,
// a profile saved and removed again, the run settings resolved, the options loaded and saved.
// Shared by the INI fuzz target and the test that replays what it found.
#pragma once

#include "FakeProfileWindow.h"
#include "ScriptedPrompts.h"
#include "core/AppGlobals.h"
#include "core/conversion/RunSettings.h"
#include "core/profiles/OptionsFile.h"
#include "core/profiles/ProfileFiles.h"
#include "platform/IniFile.h"

#include <QFile>
#include <algorithm>

// The program-wide settings the options loader sets, put back as they were when it ends.
class SavedAppGlobals {
public:
    ~SavedAppGlobals()
    {
        g_s_OutputFolder = outputFolder_;
        PSPUploadFolder = uploadFolder_;
        PSPAVCFolder = avcFolder_;
        PSPMP4Folder = mp4Folder_;
        OpenDialogFilter = openDialogFilter_;
        i_OutputPSPSerialNumber = serialNumber_;
    }

private:
    QString outputFolder_ = g_s_OutputFolder;
    QString uploadFolder_ = PSPUploadFolder;
    QString avcFolder_ = PSPAVCFolder;
    QString mp4Folder_ = PSPMP4Folder;
    QString openDialogFilter_ = OpenDialogFilter;
    int serialNumber_ = i_OutputPSPSerialNumber;
};

// `folder` (ending with "/") must be a scratch folder: loading the options makes a "PSP" folder
// inside whichever existing folder the file names as the output folder. A failed write throws
// IniWriteError, as in the program. The program-wide settings are left as they were.
inline void WorkThroughIniFiles(const QString &folder, const QByteArray &bytes)
{
    const SavedAppGlobals saved;
    for (const char *name : {"PfDef.dll", "PfSetting.ini", "Option.ini"}) {
        QFile file(folder + QLatin1String(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return;
    }
    ScriptedPrompts prompts;
    const ProfileFiles files(folder, prompts);
    FakeProfileWindow window(files);
    files.LoadVideoFormats(window, QStringLiteral("PSP"));
    for (int format = 0; format < std::min(window.formats.count(), 8); ++format) {
        window.formats.select(format);
        window.videoFormatChanged();
    }
    files.LoadProfileList(window);
    for (int profile = 0; profile < std::min(window.profiles.count(), 16); ++profile) {
        files.ApplyProfile(window, profile);
        files.ProfileNameAt(window, profile);
    }
    prompts.QueueConfirm(true);
    if (files.SaveProfile(window, QStringLiteral("Workout")))
        files.RemoveProfile(window, QStringLiteral("Workout"));

    EncodingChoices choices;
    choices.videoFormat = window.formats.selected();
    choices.videoFormatText = window.formats.selectedText();
    choices.resolution = window.list(FormatFamily::VideoResolution).selected();
    choices.frameRate = window.list(FormatFamily::VideoFrameRate).selected();
    choices.audioBitRate = window.list(FormatFamily::AudioBitrate).selected();
    choices.videoBitRateText = QString::number(window.bitRate.value());
    ResolveRunSettings(ProfileFiles::DefinitionPathIn(folder), choices);

    const IniFile any(folder + QStringLiteral("Option.ini"));
    for (const QString &section : any.sectionNames())
        for (const QString &key : any.keysOf(section))
            any.readInteger(section, key, -7);

    OptionsFile options(folder + QStringLiteral("Option.ini"), folder);
    options.LoadOptions();
    options.SaveOptions({});
}
