// The picture the engine delivered last (from a probe or the frame grabber), handed out as BGR24 at
// whatever size the caller asks for.
#pragma once

#include "FfmpegHandles.h"

#include <cstdint>
#include <mutex>
#include <vector>

class PictureStore {
public:
    static PictureStore &instance();

    void replace(AVFrame *frame, int32_t seconds);
    void clear();
    // Stores a pointer to width x height x 3 bytes, rows top-down without padding, valid until the
    // next call; black when there is no picture. -1 (and a null pointer) for an unusable size.
    int scaled(int width, int height, const uint8_t **pixels, int32_t *seconds);

private:
    std::mutex mutex_;
    FramePtr frame_;
    int32_t seconds_ = 0;
    std::vector<uint8_t> bgr_;
    SwsPtr sws_;
};
