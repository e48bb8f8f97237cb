// Makes one file slow or stalled for every reader in this process, as a spun-down disk or a
// network share would be: the executable that links this exports its own read(), which the
// engine's FFmpeg calls instead of the C library's.
#pragma once

#include <QString>

#include <chrono>
#include <cstdint>

struct SlowReadPlan {
    std::chrono::milliseconds delay{0};  // each read of the file waits this long, then delivers
    int64_t chunk = 0;                   // at most this many bytes a read (0: as many as asked)
    int64_t stallAt = -1;                // from this offset on nothing comes any more (-1: never)
};

// Slows down reads of `file` from now until the object is destroyed.
class SlowReads {
public:
    SlowReads(const QString &file, const SlowReadPlan &plan);
    ~SlowReads();
    SlowReads(const SlowReads &) = delete;
    SlowReads &operator=(const SlowReads &) = delete;

    // Reads of the file that delivered data.
    int deliveries() const;
};
