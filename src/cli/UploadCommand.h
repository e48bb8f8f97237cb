#pragma once

#include <QString>
#include <QStringList>

class Console;
struct UploadRequest;

// Copies each MP4 of `files` (with its thumbnail beside it, when there is one) onto the PSP: the
// volume mounted at `mountPoint`, or when that is empty the first removable volume holding the
// options' upload folder. Loads nothing: the options must be loaded. Returns the exit status.
int UploadFiles(const QStringList &files, const QString &mountPoint, Console &console);

int RunUpload(const UploadRequest &request);
