#pragma once

#include <QString>
#include <QStringList>

// The serial number behind the output names is shared through Option.ini by the window and the
// command line, which may run at the same time. Each takes its numbers under the file's lock and
// writes back the number after the last one it took, so neither hands out a name that the other
// has used or is about to use: an overwritten earlier output would be lost work.

// The names of a window's run, one per row of its list.
struct RunNames {
    QStringList names;
    int nextSerial = 1;  // the number after the last one taken
    QString error;       // in the program's words; empty on success
};

// A run of the window starts with a row for each entry of `keep`: every row is named from the
// larger of `windowSerial` and the stored number on, skipping every number whose MP4, thumbnail
// or partly written MP4 (".part") lies in `outputFolder` or that an earlier row took, and past
// the largest 32-bit number going on from 1. A row whose entry is a name keeps it (a snapshot
// wrote that thumbnail for it) while neither that MP4 nor its ".part" lies there. The number
// after the last one taken is stored at once; when the file cannot be locked or written the run
// still goes ahead with these names (said on standard error). Fails, naming nothing, when no
// free name is left.
RunNames TakeRunNames(const QString &optionsPath, int windowSerial, const QString &outputFolder,
                      bool firstVideoFormat, const QStringList &keep);

// The name under which a thumbnail snapshot of the row named `name` is copied into `outputFolder`:
// `name` while no other row has it and nothing of it lies there, or only the thumbnail its own earlier snapshot wrote
// (`ownSnapshot`); else the first free name by the rule of a run's names, from the larger of
// `windowSerial` and the stored number on, passing over `otherRows` too. Empty when no name is
// free. Stores nothing: the thumbnail in the folder keeps that name from every later walk.
QString SnapshotName(const QString &optionsPath, int windowSerial, const QString &outputFolder, const QString &name,
                     bool ownSnapshot, const QStringList &otherRows);

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
