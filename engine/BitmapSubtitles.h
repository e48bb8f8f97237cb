// Picture subtitles (DVD, DVB, Blu-ray): each one scaled from the canvas it was drawn for onto the
// picture once, and shown from its start until its end or until the next one replaces it.
#pragma once

#include "FfmpegHandles.h"
#include "PictureBlend.h"

#include <cstdint>
#include <vector>

class BitmapSubtitles {
public:
    // Pictures drawn on a `canvasWidth` x `canvasHeight` canvas are shown on a `width` x `height` one.
    void setCanvas(int canvasWidth, int canvasHeight, int width, int height);
    // A decoded subtitle starting at `startMs`; one without pictures ends what shows.
    void add(const AVSubtitle &subtitle, int64_t startMs);
    // Draws what shows at `ms`; calls come in the order of time, so what has ended is let go.
    void draw(AVFrame *frame, const PictureArea &area, int64_t ms);

private:
    struct Image {
        int x, y, width, height;
        std::vector<YuvaPixel> pixels;
    };
    struct Cue {
        int64_t startMs, endMs;
        std::vector<Image> images;
    };
    bool scaled(const AVSubtitleRect &rect, Image &image) const;

    int canvasWidth_ = 0, canvasHeight_ = 0, width_ = 0, height_ = 0;
    std::vector<Cue> cues_;
};
