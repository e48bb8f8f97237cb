// Baseline JPEG files from BGR24 pixels.
#pragma once

#include <cstdint>
#include <string>

// Writes under a temporary name and renames it into place; false (and nothing left) on failure.
bool writeJpeg(const std::string &path, const uint8_t *bgr, int width, int height);
