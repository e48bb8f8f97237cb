// The encoder settings of a conversion.
#pragma once

#include "CodecOptions.h"
#include "ConversionSettings.h"

// The H.264 level the picture and rate need (21 or 30); 0 when they exceed level 3.0.
int h264Level(const ConversionSettings &s);
// The MPEG-4 Simple Profile level the picture and rate need; 0 when they exceed level 5.
int mpeg4Level(const ConversionSettings &s);

const char *videoEncoderName(const ConversionSettings &s);
OptionList videoEncoderOptions(const ConversionSettings &s);
OptionList audioEncoderOptions(const ConversionSettings &s);
