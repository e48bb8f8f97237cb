#include "UserDataFolder.h"

#include "LogCategories.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <unistd.h>

namespace {

QString configHome()
{
    // The XDG rules make a relative path in the variable invalid: it is ignored.
    const QString configured = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configured.isEmpty() && QDir::isAbsolutePath(configured))
        return configured;
    return QDir::homePath() + QStringLiteral("/.config");
}

// access() rather than the permission bits: it also refuses on a read-only mount, and lets root
// write wherever root may. A folder that is missing is not refused writing: it is just not there.
bool writingRefused(const QString &folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK) != 0
        && (errno == EROFS || errno == EACCES || errno == EPERM);
}

// Copies under a temporary name and renames, so an interrupted copy never passes for the user's
// file. The copy is the user's to change, whatever the shipped file's permissions.
bool copyShipped(const QString &shipped, const QString &target, QString &why)
{
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
        why = QStringLiteral("cannot create the folder");
        return false;
    }
    QFile source(shipped);
    if (!source.open(QIODevice::ReadOnly)) {
        why = source.errorString();
        return false;
    }
    QTemporaryFile copy(target + QStringLiteral(".XXXXXX"));
    if (!copy.open()) {
        why = copy.errorString();
        return false;
    }
    const QByteArray text = source.readAll();
    if (copy.write(text) != text.size() || !copy.flush()) {
        why = copy.errorString();
        return false;
    }
    copy.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                        | QFileDevice::ReadOther);
    if (!copy.rename(target)) {
        why = copy.errorString();
        return false;
    }
    copy.setAutoRemove(false);
    return true;
}

} // namespace

QString UserDataFolder(const QString &appFolder, const QString &product)
{
    if (!writingRefused(appFolder) && !QFileInfo::exists(appFolder + QLatin1String(InstalledMarker)))
        return appFolder;
    return configHome() + u'/' + product + u'/';
}

QString UserDataPath(const QString &appFolder, const QString &product, const QString &fileName)
{
    const QString folder = UserDataFolder(appFolder, product);
    const QString path = folder + fileName;
    if (folder == appFolder || QFileInfo::exists(path))
        return path;
    const QString shipped = appFolder + fileName;
    if (!QFileInfo::exists(shipped))
        return path;
    QString why;
    if (copyShipped(shipped, path, why)) {
        qCDebug(lcProfiles) << "copied" << shipped << "to" << path;
        return path;
    }
    qCWarning(lcProfiles).noquote() << "cannot copy" << shipped << "to" << path + u':' << why
                                    << "- reading the shipped file";
    return shipped;
}
