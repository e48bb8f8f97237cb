// Text subtitles drawn by libass with their styles, in the fonts attached to the video first and
// then the system's.
#pragma once

#include "FfmpegHandles.h"
#include "PictureBlend.h"

extern "C" {
#include <ass/ass.h>
}

#include <memory>
#include <string>

class TextSubtitles {
public:
    // Lays the text out on a `width` x `height` picture; `header` is the script's header with its
    // styles. False when libass cannot start.
    bool open(const AVFormatContext *video, int width, int height, std::string header);
    // One event: a dialogue line as Matroska stores it ("ReadOrder,Layer,Style,...,Text").
    void add(const std::string &dialogue, int64_t startMs, int64_t durationMs);
    void draw(AVFrame *frame, const PictureArea &area, int64_t ms);

private:
    struct LibraryDone {
        void operator()(ASS_Library *l) const { ass_library_done(l); }
    };
    struct RendererDone {
        void operator()(ASS_Renderer *r) const { ass_renderer_done(r); }
    };
    struct TrackFree {
        void operator()(ASS_Track *t) const { ass_free_track(t); }
    };
    // Declared in the order they are made, so they go in the reverse order, as libass needs.
    std::unique_ptr<ASS_Library, LibraryDone> library_;
    std::unique_ptr<ASS_Renderer, RendererDone> renderer_;
    std::unique_ptr<ASS_Track, TrackFree> track_;
};

// The header for subtitles without styles of their own (SubRip, WebVTT, ...): white letters with
// a dark outline at the bottom of a `width` x `height` picture, sized for the screen whose
// picture is `screenHeight` lines high, so they read the same on the PSP whatever the frame.
std::string plainTextHeader(int width, int height, int screenHeight);
