// What the program learns about a file when it is added: its facts and a representative picture.
#pragma once

#include "FfmpegHandles.h"
#include "DVDEncoder.h"

// 0 with `info` filled and `picture` holding a frame of the file; -1 for anything without a
// decodable video stream.
int probeFile(const char *path, EngineFileInfo &info, AVFrame *picture, int32_t &pictureSecond);

// The aspect code (1 = 1:1, 2 = 4:3, 3 = 16:9, 4 = 2.21:1) nearest to a display aspect.
int nearestAspectCode(double displayAspect);
