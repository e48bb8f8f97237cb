// The picture decoder's settings for a conversion.
#pragma once

#include "CodecOptions.h"

OptionList videoDecoderOptions();
