// udev properties of block devices through libudev. Safe to share between threads.
#pragma once

#include "DeviceFacts.h"

#include <mutex>

struct udev;

class LibUdevLookup final : public UdevLookup {
public:
    LibUdevLookup();
    ~LibUdevLookup() override;

    LibUdevLookup(const LibUdevLookup &) = delete;
    LibUdevLookup &operator=(const LibUdevLookup &) = delete;

    QMap<QString, QString> properties(const QString &blockName) const override;

private:
    mutable std::mutex mutex_;   // a libudev context is not thread-safe
    udev *context_;
};
