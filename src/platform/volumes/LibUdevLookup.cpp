#include "LibUdevLookup.h"

#include <libudev.h>

LibUdevLookup::LibUdevLookup()
    : context_(udev_new())
{
}

LibUdevLookup::~LibUdevLookup()
{
    if (context_)
        udev_unref(context_);
}

QMap<QString, QString> LibUdevLookup::properties(const QString &blockName) const
{
    QMap<QString, QString> result;
    if (!context_)
        return result;
    const std::lock_guard lock(mutex_);
    udev_device *device = udev_device_new_from_subsystem_sysname(context_, "block", blockName.toUtf8().constData());
    if (!device)
        return result;
    udev_list_entry *entry = nullptr;
    udev_list_entry_foreach(entry, udev_device_get_properties_list_entry(device)) {
        const char *value = udev_list_entry_get_value(entry);
        result.insert(QString::fromUtf8(udev_list_entry_get_name(entry)), QString::fromUtf8(value ? value : ""));
    }
    udev_device_unref(device);
    return result;
}
