#pragma once

#include <QString>
#include <QStringList>

// The serial number behind the output names is shared through Option.ini by the window and the
// command line, which may run at the same time. Each takes its numbers under the file's lock and
// writes back the number after the last one it took, so neither hands out a name that the other
// has used or is about to use: an overwritten earlier output would be lost work.

// A run of the window starts: the larger of `windowSerial` and the stored number, with the
// `count` numbers from it written off in the file at once. When the file cannot be locked or
// written the run still goes ahead on the larger number (said on standard error).
int TakeRunSerial(const QString &optionsPath, int windowSerial, int count);

// The run window closed with the serial advanced to `serial`: stores it unless the stored number
// is already higher.
void StoreSerialAtLeast(const QString &optionsPath, int serial);

struct NameReservation {
    QStringList names;  // one per file, in order
    QString error;      // in the program's words; empty on success
};

// The command line's names for `count` files: from the stored number on, skipping every number
// whose MP4, thumbnail or partly written MP4 (".part") already lies in `outputFolder`; the
// number after the last one taken is stored before the files are converted. Fails, reserving
// nothing, when Option.ini cannot be locked or written or no free name is left.
NameReservation ReserveOutputNames(const QString &optionsPath, const QString &outputFolder,
                                   bool firstVideoFormat, int count);
