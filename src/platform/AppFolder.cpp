#include "AppFolder.h"

#include <QFile>
#include <QFileInfo>

QString ExecutableFolder()
{
    const QString executable = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    const QString folder = QFileInfo(executable).absolutePath();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
