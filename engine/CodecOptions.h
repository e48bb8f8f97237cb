// Options handed to a decoder or an encoder as FFmpeg names and values, so that the very same list
// can also be handed to the ffmpeg tool when measuring.
#pragma once

#include "FfmpegHandles.h"

#include <string>
#include <utility>
#include <vector>

using OptionList = std::vector<std::pair<std::string, std::string>>;

// avcodec_open2 with options that the codec must all take: a name it ignores would silently change
// its work.
int openCodec(AVCodecContext *ctx, const AVCodec *codec, const OptionList &options);
