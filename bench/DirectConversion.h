#pragma once

#include "core/conversion/ClipParameters.h"
#include "engine/EngineLibrary.h"

#include <QFile>
#include <array>

// One planned clip converted and given its thumbnail straight through the entry points of a
// loaded engine, as the benchmarks' reference; false when either call fails.
inline bool ConvertDirectly(EngineLibrary &engine, const ClipPlan &plan, int32_t stamp)
{
    std::array<QByteArray, ClipParameter::Count> t;
    for (size_t i = 0; i < t.size(); ++i)
        t[i] = QFile::encodeName(plan.parameters[i]);
    return engine.X_SetPar_D2PSP(nullptr, 2, t[0], t[1], t[2], t[3], t[4], t[5], t[6], t[7], t[8], t[9], t[10], t[11],
                                 t[12], t[13], t[14], t[15], t[16], stamp) == 0
        && engine.X_Get_Frame_JPEG(nullptr, 2, t[0], "0", QFile::encodeName(plan.thumbnailSecond), "160:120",
                                   QFile::encodeName(plan.thumbnailPath), stamp) == 0;
}
