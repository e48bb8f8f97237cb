#include "ProfilesCommand.h"

#include "Console.h"
#include "ExitCodes.h"
#include "ProgramFiles.h"
#include "core/profiles/EncodingSelection.h"

QStringList ProfileLines(EncodingSelection &selection)
{
    QStringList lines;
    const ChoiceList &profiles = selection.profileList();
    for (int position = 0; position < profiles.count(); ++position)
        lines.append((position == selection.DefaultProfile() ? QStringLiteral("* ") : QStringLiteral("  "))
                     + profiles.textAt(position));
    return lines;
}

int RunProfiles()
{
    Console console;
    const ProgramFiles files;
    EncodingSelection selection(files.Profiles());
    selection.Load();
    const QStringList lines = ProfileLines(selection);
    if (lines.isEmpty()) {
        console.Error(QStringLiteral("no profile is stored in %1").arg(files.Profiles().storePath()));
        return ExitCode::SomeFailed;
    }
    for (const QString &line : lines)
        console.Result(line);
    return ExitCode::Done;
}
