#pragma once

#include "core/conversion/ConversionJob.h"

#include <QString>

class Console;

struct FileOutcome {
    int outcome = -1;     // the run's outcome (RunOutcome)
    int secondsDone = 0;  // of the range, as last polled
    QString failureReason; // the engine's, when it failed the conversion
};

// Converts the one clip of `job` on a worker thread while this thread polls the engine and shows
// the progress under `label` on the console. A stop signal stops the conversion through the
// engine, which finishes the file properly.
FileOutcome ConvertWithProgress(const ConversionJob &job, const QString &label, Console &console);
