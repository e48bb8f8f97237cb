// Baseline JPEG (JFIF) files from BGR24 pixels: quality 100, floating-point DCT, sequential. Plain
// C++ and libjpeg, no Qt: the engine's thumbnails and the program's snapshots share it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The JPEG file's bytes; empty when the picture cannot be encoded. Rows start `stride` bytes apart.
std::vector<uint8_t> encodeJpeg(const uint8_t *bgr, int width, int height, size_t stride);

// Writes under a temporary name and renames it into place; false (and nothing left) on failure.
// Rows follow each other without padding.
bool writeJpeg(const std::string &path, const uint8_t *bgr, int width, int height);
