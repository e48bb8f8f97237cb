// The picture of a file at a second, fitted into a small frame on black, saved as JPEG.
#pragma once

#include <string>

// 0 when the file was written, -1 otherwise (nothing is left behind).
int writeThumbnail(const char *sourcePath, const char *second, const char *size, const char *outputPath);
