// libFuzzer target: whatever bytes the definition file, the profile store and the options file
// hold, the program's readers and loaders end without a crash, a leak or a hang.
#include "IniWorkout.h"

#include <QDir>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // On a memory file system: loading the options makes a folder where they say, so scripts/fuzz
    // runs this target with everything else read-only.
    static const QString folder = QStringLiteral("/dev/shm/pocketreel-ini-fuzz-%1/").arg(::getpid());
    static const bool made = QDir().mkpath(folder);
    if (!made)
        return 0;
    try {
        WorkThroughIniFiles(folder, QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (const IniWriteError &) {
        // A write refused by the file system: reported to the user, as in the program.
    }
    return 0;
}
