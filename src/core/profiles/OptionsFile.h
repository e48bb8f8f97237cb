#pragma once

#include <QString>

// The positions of the two default-language lists as Option.ini stores them.
struct LanguageChoices {
    int audio = 1;
    int subtitle = 1;
};

// Option.ini: loads the process-wide settings from it and writes back the four that the program
// changes. Folder texts may use "\" or "/"; the output folder always ends in "PSP/" after a load.
class OptionsFile {
public:
    // `homeFolder` stands for the first fixed disk: the default output folder lies in it.
    OptionsFile(QString path, QString homeFolder);

    // The Option.ini that the program of the application folder `appFolder` uses (see
    // platform/UserDataFolder.h); the window and the command line both go through here.
    static QString UserPath(const QString &appFolder);

    const QString &path() const { return path_; }

    // Sets g_s_OutputFolder (creating it and its PSP folder, one level each, failures ignored),
    // the serial number, the PSP folders, the minimum duration and the open-dialog filter. The
    // first load takes the stored serial number; later ones never lower the number in memory,
    // which a conversion run may have advanced, since reusing names would overwrite files.
    LanguageChoices LoadOptions();

    // Writes DefaultAudio, DefaultSubtitle, OutputFolder and OutputSerialNumber; makes
    // g_s_OutputFolder end with "/" first. The stored serial number is never lowered: the command
    // line may have taken numbers beyond the window's meanwhile. Throws IniWriteError when the
    // file cannot be written.
    void SaveOptions(const LanguageChoices &languages);

private:
    QString path_;
    QString homeFolder_;
    bool loaded_ = false;
};
