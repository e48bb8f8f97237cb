#include "SerialReservation.h"

#include "core/OutputNames.h"
#include "core/profiles/OptionsLock.h"
#include "platform/IniFile.h"
#include "platform/LogCategories.h"

#include <QFileInfo>
#include <algorithm>
#include <limits>

namespace {

const QString Section = QStringLiteral("Option");
const QString Key = QStringLiteral("OutputSerialNumber");

// Every serial text is reached again within this many numbers.
constexpr int SerialCycle = 10000;

bool NameInUse(const QString &outputFolder, const QString &name)
{
    const QString path = outputFolder + name;
    return QFileInfo::exists(path) || QFileInfo::exists(outputFolder + ThumbnailNameOf(name))
        || QFileInfo::exists(path + QStringLiteral(".part"));
}

// The next number after `serial`, kept where a 32-bit serial still fits.
int Next(int serial)
{
    return serial < std::numeric_limits<int>::max() ? serial + 1 : 1;
}

} // namespace

int TakeRunSerial(const QString &optionsPath, int windowSerial, int count)
{
    const OptionsLock lock(optionsPath);
    if (!lock.IsLocked())
        qCWarning(lcRun).noquote() << lock.Failure() << "- the serial number is not shared with the command line";
    IniFile file(optionsPath);
    const int serial = std::max(windowSerial, file.readInteger(Section, Key, 1));
    try {
        // A number beyond 32 bits would read back as absent, that is as 1.
        const qint64 next = std::min<qint64>(qint64(serial) + std::max(count, 0), std::numeric_limits<int>::max());
        file.writeString(Section, Key, QString::number(next));
    } catch (const IniWriteError &error) {
        qCWarning(lcRun) << error.what() << "- the serial number is not shared with the command line";
    }
    return serial;
}

void StoreSerialAtLeast(const QString &optionsPath, int serial)
{
    const OptionsLock lock(optionsPath);
    if (!lock.IsLocked())
        qCWarning(lcRun).noquote() << lock.Failure() << "- storing the serial number without it";
    IniFile file(optionsPath);
    if (file.readInteger(Section, Key, 1) >= serial)
        return;
    try {
        file.writeString(Section, Key, QString::number(serial));
    } catch (const IniWriteError &error) {
        qCWarning(lcRun) << error.what();
    }
}

NameReservation ReserveOutputNames(const QString &optionsPath, const QString &outputFolder, bool firstVideoFormat,
                                   int count)
{
    NameReservation reservation;
    const OptionsLock lock(optionsPath);
    if (!lock.IsLocked()) {
        reservation.error = lock.Failure();
        return reservation;
    }
    IniFile file(optionsPath);
    int serial = file.readInteger(Section, Key, 1);
    for (int i = 0; i < count; ++i) {
        int skipped = 0;
        QString name = OutputNameOf(0, serial, firstVideoFormat);
        while (NameInUse(outputFolder, name)) {
            if (++skipped >= SerialCycle) {
                reservation.error = QStringLiteral("No free output name is left in %1").arg(outputFolder);
                reservation.names.clear();
                return reservation;
            }
            serial = Next(serial);
            name = OutputNameOf(0, serial, firstVideoFormat);
        }
        reservation.names.append(name);
        serial = Next(serial);
    }
    try {
        file.writeString(Section, Key, QString::number(serial));
    } catch (const IniWriteError &error) {
        reservation.error = QString::fromLocal8Bit(error.what());
        reservation.names.clear();
    }
    return reservation;
}
