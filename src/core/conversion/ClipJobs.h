#pragma once

#include "ConversionJob.h"

#include "core/profiles/EncodingChoices.h"

class ClipList;
class TVideoInfo;

ClipJob ClipJobOf(const TVideoInfo &clip, int position);

// The job of a run over the ticked clips of `clips`, with the settings that `choices` select in
// the definition file of the application folder and the output folder, minimum duration and
// engine of the loaded options. Call it on the window thread.
ConversionJob TakeConversionJob(const ClipList &clips, const EncodingChoices &choices);

// The output names of the ticked clips, in list order.
QStringList TickedOutputNames(const ClipList &clips);
