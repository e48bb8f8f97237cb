#pragma once

#include "core/conversion/SafeCopy.h"

#include <QString>
#include <optional>

// CopyFileSafely on a thread of its own while the calling (window) thread goes on handling its
// events in a local loop, so that neither a slow device nor the final flush freezes the window.
// `progress` runs on the calling thread after every block. Returns when the copy has ended.
std::optional<QString> CopyInBackground(const QString &source, const QString &destination,
                                        const CopyProgress &progress = {});
