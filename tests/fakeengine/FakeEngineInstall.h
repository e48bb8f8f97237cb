#pragma once

#include <QString>
#include <QTemporaryDir>

namespace FakeEngine {

// Copies the fake DVDEncoder.so into `folder` (which must exist). With `withoutEntry` naming an
// entry point ("X_Get_Frame", ...) the copy is a build of the fake that lacks that one symbol.
// Returns false when the copy failed or there is no such build.
bool InstallFakeEngine(const QString &folder, const QString &withoutEntry = QString());

// A temporary application folder holding a fake engine; while it lives, path_PNG points to it
// (and is restored afterwards).
class FakeAppFolder {
public:
    explicit FakeAppFolder(const QString &withoutEntry = QString(), bool installEngine = true);
    ~FakeAppFolder();
    FakeAppFolder(const FakeAppFolder &) = delete;
    FakeAppFolder &operator=(const FakeAppFolder &) = delete;

    bool IsValid() const { return valid_; }
    QString Path() const;        // ends with "/"
    QString EnginePath() const;  // Path() + "DVDEncoder.so"

private:
    QTemporaryDir dir_;
    QString previousPath_;
    bool valid_ = false;
};

} // namespace FakeEngine
