#include "VolumeChangeLog.h"

VolumeChangeLog::VolumeChangeLog(std::size_t capacity)
    : capacity_(capacity == 0 ? 1 : capacity)
{
}

intptr_t VolumeChangeLog::record(const Volume &volume)
{
    const std::lock_guard lock(mutex_);
    const intptr_t id = nextId_++;
    records_.emplace_back(id, volume);
    if (records_.size() > capacity_)
        records_.pop_front();
    return id;
}

std::optional<Volume> VolumeChangeLog::find(intptr_t id) const
{
    const std::lock_guard lock(mutex_);
    for (const auto &[recordId, volume] : records_) {
        if (recordId == id)
            return volume;
    }
    return std::nullopt;
}
