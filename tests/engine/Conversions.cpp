#include "Conversions.h"

int32_t convert(const ConversionRequest &r, MessageTarget *window)
{
    const QByteArray texts[] = {r.source.toUtf8(),    "0",                 r.start.toUtf8(),
                                r.sampleRate.toUtf8(), r.aspect.toUtf8(),   r.format.toUtf8(),
                                r.videoKbps.toUtf8(),  r.audioKbps.toUtf8(), r.frameSize.toUtf8(),
                                r.resolution.toUtf8(), r.title.toUtf8(),    r.frameRate.toUtf8(),
                                r.audioStream.toUtf8(), r.subtitle.toUtf8(), r.output.toUtf8(),
                                r.volume.toUtf8(),     r.length.toUtf8()};
    return EngineLibrary::get().X_SetPar_D2PSP(window, 2, texts[0], texts[1], texts[2], texts[3], texts[4], texts[5],
                                        texts[6], texts[7], texts[8], texts[9], texts[10], texts[11], texts[12],
                                        texts[13], texts[14], texts[15], texts[16], 20261210);
}
