#pragma once

#include <QStringList>
#include <QtGlobal>
#include <functional>

class QLabel;
class Volumes;

// The parts of the conversion window an upload uses.
struct UploadWindow {
    QLabel *copyFile = nullptr;                    // Label_CopyFile
    std::function<void(qint64 percent)> percent;   // the progress bar and Label_Percent
    std::function<void(bool enabled)> buttons;     // Copy, Close and Stop
};

// Copies the MP4 of every name in `outputNames` (with its thumbnail, when there is one) from the
// output folder to the PSP: the first removable volume holding the upload folder, into the
// folder that the name's prefix selects. The window's buttons are disabled meanwhile and its
// events handled throughout; the progress rises from 0 to 100 once per file. A missing source is
// reported and skipped. A failed copy leaves nothing of that file on the device, brings the
// buttons back and throws std::runtime_error with the error's text in UTF-8, for the error report.
void UploadToPsp(const QStringList &outputNames, const Volumes &volumes, const UploadWindow &window);
