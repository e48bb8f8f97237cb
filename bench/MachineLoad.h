#pragma once

#include <QFile>
#include <QString>

// The 1, 5 and 15 minute load averages, printed beside a figure measured on a shared machine.
inline QString LoadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()).section(u' ', 0, 2) : QString("?");
}
