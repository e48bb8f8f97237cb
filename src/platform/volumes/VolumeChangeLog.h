// The volumes that 537 notifications name, kept by id so that the id can travel as LParam and
// the receiver reads the volume on its own thread. Thread-safe.
#pragma once

#include "Volume.h"

#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <utility>

class VolumeChangeLog {
public:
    // The most recent `capacity` records are kept; older ids are forgotten.
    explicit VolumeChangeLog(std::size_t capacity = 256);

    // A new id (never 0, never reused) for this volume.
    intptr_t record(const Volume &volume);
    std::optional<Volume> find(intptr_t id) const;

private:
    const std::size_t capacity_;
    mutable std::mutex mutex_;
    std::deque<std::pair<intptr_t, Volume>> records_;
    intptr_t nextId_ = 1;
};
