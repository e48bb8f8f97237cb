#include "FakeEngineInstall.h"

#include "core/AppGlobals.h"
#include "engine/EngineLibrary.h"

#include <QDir>
#include <QFile>

namespace FakeEngine {

bool InstallFakeEngine(const QString &folder, const QString &withoutEntry)
{
    const QString built = withoutEntry.isEmpty()
        ? QStringLiteral(FAKE_ENGINE_BUILD_DIR "/DVDEncoder.so")
        : QStringLiteral(FAKE_ENGINE_BUILD_DIR "/DVDEncoder_without_%1.so").arg(withoutEntry);
    const QString target = QDir(folder).filePath(QLatin1String(EngineLibrary::FileName));
    QFile::remove(target);
    return QFile::exists(built) && QFile::copy(built, target);
}

FakeAppFolder::FakeAppFolder(const QString &withoutEntry, bool installEngine)
    : previousPath_(path_PNG)
{
    valid_ = dir_.isValid() && (!installEngine || InstallFakeEngine(dir_.path(), withoutEntry));
    path_PNG = Path();
}

FakeAppFolder::~FakeAppFolder()
{
    path_PNG = previousPath_;
}

QString FakeAppFolder::Path() const
{
    return dir_.path() + QLatin1Char('/');
}

QString FakeAppFolder::EnginePath() const
{
    return Path() + QLatin1String(EngineLibrary::FileName);
}

} // namespace FakeEngine
