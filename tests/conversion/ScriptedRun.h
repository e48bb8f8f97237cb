// A run's job for the scripted engine, and what that engine was asked to convert.
#pragma once

#include "FakeEngineControl.h"
#include "FakeEngineInstall.h"
#include "core/conversion/ConversionJob.h"

#include <QStringList>

// No clips yet; the output folder lies in the application folder and is not made.
inline ConversionJob ScriptedEngineJob(const FakeEngine::FakeAppFolder &app)
{
    ConversionJob job;
    job.enginePath = app.EnginePath();
    job.outputFolder = app.Path() + QStringLiteral("out/");
    job.settings = {QStringLiteral("h264"), QStringLiteral("480:272"), QStringLiteral("29.97"), QStringLiteral("96"),
                    QStringLiteral("48000"), QStringLiteral("768"), QStringLiteral("0")};
    return job;
}

// The source of every conversion the engine was asked for, in order.
inline QStringList SourcesConverted()
{
    QStringList sources;
    for (const auto &call : FakeEngine::CallsTo("X_SetPar_D2PSP"))
        sources.append(QString::fromStdString(call.texts[0]));
    return sources;
}
