// Recognises, from NAL unit headers alone, an H.264 packet holding a picture that no other picture
// refers to, so a reader can leave it out before it reaches the decoder.
#pragma once

#include "FfmpegHandles.h"

// True only for packets made of non-IDR slices that nothing refers to, with access unit delimiters
// or filler at most: exactly what the decoder itself drops under AVDISCARD_NONREF. Length-prefixed
// (avcC extradata) and start-code packets both count; anything unclear is false.
bool unreferencedPicture(const AVCodecParameters *par, const AVPacket *packet);
