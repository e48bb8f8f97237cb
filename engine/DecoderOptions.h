// The picture decoder's settings for a conversion, as FFmpeg option names and values, so that the
// very same list can also be handed to the ffmpeg tool when measuring.
#pragma once

#include "EncoderOptions.h"

OptionList videoDecoderOptions();
