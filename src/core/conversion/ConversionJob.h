#pragma once

#include "RunSettings.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// One clip to convert, copied out of the clip list when the run starts: the worker reads this
// value, never the clip, so the list may change (or be cleared) while the run goes on.
struct ClipJob {
    QString sourcePath;
    int titleNumber = 0;
    int duration = 0;    // seconds
    int startTime = 0;
    int endTime = 0;
    int videoWidth = 0;
    int videoHeight = 0;
    int aspectIndex = -1;
    bool displayAspect = false;
    std::optional<QStringList> audioStreams;
    std::optional<QStringList> subtitleStreams;
    int audioIndex = 0;
    int subtitleIndex = 0;
    QString subtitleFile;  // a subtitle file chosen by its absolute path; burnt in instead of the entry
    QString outputName;  // "MAQ70001.MP4"
    QString title;       // the PSP title; empty: the source's file name
    int position = 0;    // in the clip list when the run started
};

// Everything a run needs, taken on the window thread (or by a command line) before it starts.
struct ConversionJob {
    QList<ClipJob> clips;      // the ticked clips, in list order
    RunSettings settings;
    QString outputFolder;      // ends with "/"
    int minDuration = -1;      // seconds; 0 or less: no minimum
    QString enginePath;        // the engine library to load for each clip
    int32_t stamp = 20080808;  // handed to the engine with every conversion and thumbnail
};
