#pragma once

#include "core/profiles/OptionsFile.h"
#include "core/profiles/ProfileFiles.h"
#include "engine/EngineLibrary.h"
#include "platform/Prompts.h"

class Console;

// The window's questions about profile edits, which the command line never makes: nothing is
// asked and nothing is chosen.
class NoPrompts : public Prompts {
public:
    void Information(const QString &) override {}
    void Error(const QString &) override {}
    void Warning(const QString &) override {}
    bool Confirm(const QString &) override { return false; }
    QStringList OpenFiles(const QString &, const QString &) override { return {}; }
    SaveAnswer SaveFile(const QString &, const QString &, int) override { return {}; }
    QString ChooseFolder(const QString &, const QString &) override { return {}; }
};

// The files of the application folder (the folder of the executable) and the user's files, as
// the window finds them.
class ProgramFiles {
public:
    ProgramFiles();

    // Loads Option.ini into the process-wide values as the window does when it starts: the
    // output folder, the serial number, the PSP folders and the minimum duration; returns the
    // default languages of sound and subtitles.
    LanguageChoices LoadOptions() const;
    QString OptionsPath() const;
    const ProfileFiles &Profiles() const { return profiles_; }

private:
    NoPrompts prompts_;
    ProfileFiles profiles_;
};

// Loads the engine with `entries` bound; when it cannot, says why on the console.
bool LoadEngine(EngineLibrary &engine, EngineLibrary::Entries entries, Console &console);
