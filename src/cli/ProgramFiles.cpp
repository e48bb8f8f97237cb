#include "ProgramFiles.h"

#include "Console.h"
#include "core/AppGlobals.h"

#include <QDir>

ProgramFiles::ProgramFiles()
    : profiles_(path_PNG, prompts_)
{
}

QString ProgramFiles::OptionsPath() const
{
    return OptionsFile::UserPath(path_PNG);
}

LanguageChoices ProgramFiles::LoadOptions() const
{
    return OptionsFile(OptionsPath(), QDir::homePath()).LoadOptions();
}

bool LoadEngine(EngineLibrary &engine, EngineLibrary::Entries entries, Console &console)
{
    if (engine.Load(entries))
        return true;
    console.Error(QStringLiteral("cannot load the conversion engine %1 (%2); installing the program again may "
                                 "mend it")
                      .arg(engine.Path(), engine.LastError()));
    return false;
}
