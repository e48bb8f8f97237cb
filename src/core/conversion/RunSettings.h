#pragma once

#include "core/profiles/EncodingChoices.h"

#include <QString>

// The engine values every clip of one run shares: the encoding choices turned into the texts the
// definition file hands to the engine (a value whose keys are missing reads "nodef").
struct RunSettings {
    QString videoFormat;
    QString resolution;   // "W:H"
    QString frameRate;
    QString audioBitRate;
    QString sampleRate;
    QString videoBitRate; // as typed, without surrounding spaces
    QString volume;       // gain in dB, decimal
};

// Reads the definition file at `definitionPath` for the format, resolution, frame rate, audio bit
// rate and sample rate that `choices` select in the device section "PSP".
RunSettings ResolveRunSettings(const QString &definitionPath, const EncodingChoices &choices);
