#include "SerialReservation.h"

#include "core/OutputNames.h"
#include "core/profiles/OptionsLock.h"
#include "platform/IniFile.h"
#include "platform/LogCategories.h"

#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <limits>
#include <optional>

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

// Names from a serial number on, each one free: nothing of it in the output folder, and not
// handed out before by this walk (the four digits repeat every 10,000 numbers, and 10,000 itself
// shows as 8888).
class FreeNames {
public:
    FreeNames(QString outputFolder, bool firstVideoFormat, int serial)
        : folder_(std::move(outputFolder)), firstVideoFormat_(firstVideoFormat), serial_(serial)
    {
    }

    // None when every name of a whole cycle is in use.
    std::optional<QString> Take()
    {
        for (int tried = 0; tried < SerialCycle; ++tried) {
            const QString name = OutputNameOf(0, serial_, firstVideoFormat_);
            serial_ = Next(serial_);
            if (!given_.contains(name) && !NameInUse(folder_, name)) {
                given_.insert(name);
                return name;
            }
        }
        return std::nullopt;
    }
    // Names this walk must not hand out although nothing of them is in the folder.
    void Pass(const QStringList &names)
    {
        for (const QString &name : names)
            given_.insert(name);
    }
    // The number after the last one taken.
    int NextSerial() const { return serial_; }
    QString Exhausted() const { return QStringLiteral("No free output name is left in %1").arg(folder_); }

private:
    QString folder_;
    bool firstVideoFormat_;
    int serial_;
    QSet<QString> given_;
};

// The name a row keeps: its snapshot's thumbnail lies under it, and nothing else of it does.
bool Keeps(const QString &outputFolder, const QString &name)
{
    const QString path = outputFolder + name;
    return !name.isEmpty() && QFileInfo::exists(outputFolder + ThumbnailNameOf(name)) && !QFileInfo::exists(path)
        && !QFileInfo::exists(path + QStringLiteral(".part"));
}

} // namespace

RunNames TakeRunNames(const QString &optionsPath, int windowSerial, const QString &outputFolder,
                      bool firstVideoFormat, const QStringList &keep)
{
    const OptionsLock lock(optionsPath);
    if (!lock.IsLocked())
        qCWarning(lcRun).noquote() << lock.Failure() << "- the serial number is not shared with the command line";
    IniFile file(optionsPath);
    FreeNames free(outputFolder, firstVideoFormat, std::max(windowSerial, file.readInteger(Section, Key, 1)));
    RunNames run;
    for (const QString &name : keep) {
        // A kept name's thumbnail is in the folder, so the walk never hands it to another row.
        if (Keeps(outputFolder, name) && !run.names.contains(name)) {
            run.names.append(name);
            continue;
        }
        const std::optional<QString> taken = free.Take();
        if (!taken) {
            run.error = free.Exhausted();
            run.names.clear();
            return run;
        }
        run.names.append(*taken);
    }
    run.nextSerial = free.NextSerial();
    try {
        file.writeString(Section, Key, QString::number(run.nextSerial));
    } catch (const IniWriteError &error) {
        qCWarning(lcRun) << error.what() << "- the serial number is not shared with the command line";
    }
    return run;
}

QString SnapshotName(const QString &optionsPath, int windowSerial, const QString &outputFolder, const QString &name,
                     bool ownSnapshot, const QStringList &otherRows)
{
    const bool free = !NameInUse(outputFolder, name) || (ownSnapshot && Keeps(outputFolder, name));
    if (free && !otherRows.contains(name))
        return name;
    const int stored = IniFile(optionsPath).readInteger(Section, Key, 1);
    FreeNames walk(outputFolder, NamedForFirstVideoFormat(name), std::max(windowSerial, stored));
    walk.Pass(otherRows);
    return walk.Take().value_or(QString());
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
    FreeNames free(outputFolder, firstVideoFormat, file.readInteger(Section, Key, 1));
    for (int i = 0; i < count; ++i) {
        const std::optional<QString> name = free.Take();
        if (!name) {
            reservation.error = free.Exhausted();
            reservation.names.clear();
            return reservation;
        }
        reservation.names.append(*name);
    }
    try {
        file.writeString(Section, Key, QString::number(free.NextSerial()));
    } catch (const IniWriteError &error) {
        reservation.error = QString::fromLocal8Bit(error.what());
        reservation.names.clear();
    }
    return reservation;
}
