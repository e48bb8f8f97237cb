#pragma once

#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

// Called after each block with the bytes copied so far and the source's size.
using CopyProgress = std::function<void(qint64 copied, qint64 total)>;

// Large enough that a copy runs at the device's speed, small enough for a smooth progress.
inline constexpr qint64 CopyBlockSize = qint64(1) << 20;

// What steers a copy besides its files.
struct CopyControl {
    // Asked after every block: true ends the copy at once, and nothing of it is left behind.
    std::function<bool()> stopRequested;
    // Flushes the destination's folder after the rename (fsync when none); tests make it fail.
    int (*flushFolder)(int folderDescriptor) = nullptr;
};

// Copies `source` over `destination` so that the destination never holds part of a file: the
// bytes go to a temporary file beside it, which is flushed to the device and only then renamed
// over the destination (an existing file is replaced). The source is only read. On failure the
// temporary file is removed and the result is the error in the program's words: "Cannot open
// file <source>", "Cannot create file <destination>", or a read or write failure with the
// system's reason. A destination folder that is no longer where its path leads when the copy is
// complete fails with "No such device" when its device was unmounted meanwhile, else "No such
// file or directory", and the copy is taken back off it. A folder that cannot be flushed after
// the rename fails with the system's reason, since the name may not have reached the device. A
// stopped copy ("Stopped: <destination> was not written") leaves the destination as it was.
// Nothing (no error) on success; copying a file onto itself leaves it alone.
std::optional<QString> CopyFileSafely(const QString &source, const QString &destination,
                                      const CopyProgress &progress = {}, qint64 blockSize = CopyBlockSize,
                                      const CopyControl &control = {});
