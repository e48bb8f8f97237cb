// Laying a partly transparent image over a 4:2:0 picture, inside a rectangle of it.
#pragma once

extern "C" {
#include <libavutil/frame.h>
}

#include <algorithm>
#include <cstdint>

struct PictureArea {
    int left = 0, top = 0, width = 0, height = 0;
};

struct YuvaPixel {
    uint8_t y, u, v, a; // a: 0 transparent, 255 opaque
};

// BT.601 in the limited range, as the encoders are fed.
inline YuvaPixel yuvOfRgb(int r, int g, int b, int a)
{
    return YuvaPixel{static_cast<uint8_t>(((66 * r + 129 * g + 25 * b + 128) >> 8) + 16),
                     static_cast<uint8_t>(((-38 * r - 74 * g + 112 * b + 128) >> 8) + 128),
                     static_cast<uint8_t>(((112 * r - 94 * g - 18 * b + 128) >> 8) + 128), static_cast<uint8_t>(a)};
}

namespace blend_detail {
// `under` moved by delta / scale, rounded.
inline uint8_t moved(int under, int delta, int scale)
{
    return static_cast<uint8_t>(under + (delta + (delta >= 0 ? scale / 2 : -scale / 2)) / scale);
}
}

// Blends the `width` x `height` image whose top left is at (x, y) of `area` onto `frame` (yuv420p,
// writable), leaving everything outside `area` as it was. `pixel(column, row)` gives the image's
// pixel. A chroma sample takes the mean of what the four pixels it covers would make of it.
template <typename Pixel>
void blendOnto(AVFrame *frame, const PictureArea &area, int x, int y, int width, int height, Pixel pixel)
{
    const int left = std::max(area.left + x, area.left), right = std::min(area.left + x + width, area.left + area.width);
    const int top = std::max(area.top + y, area.top), bottom = std::min(area.top + y + height, area.top + area.height);
    if (left >= right || top >= bottom)
        return;
    const int originX = area.left + x, originY = area.top + y;
    for (int row = top; row < bottom; ++row) {
        uint8_t *luma = frame->data[0] + static_cast<ptrdiff_t>(row) * frame->linesize[0];
        for (int column = left; column < right; ++column) {
            const YuvaPixel p = pixel(column - originX, row - originY);
            if (p.a)
                luma[column] = blend_detail::moved(luma[column], (p.y - luma[column]) * p.a, 255);
        }
    }
    for (int chromaRow = top / 2; chromaRow <= (bottom - 1) / 2; ++chromaRow) {
        uint8_t *cb = frame->data[1] + static_cast<ptrdiff_t>(chromaRow) * frame->linesize[1];
        uint8_t *cr = frame->data[2] + static_cast<ptrdiff_t>(chromaRow) * frame->linesize[2];
        for (int chromaColumn = left / 2; chromaColumn <= (right - 1) / 2; ++chromaColumn) {
            // Each of the four pixels moves a quarter of the way it would move alone.
            const int u = cb[chromaColumn], v = cr[chromaColumn];
            int towardsU = 0, towardsV = 0;
            bool covered = false;
            for (int row = std::max(2 * chromaRow, top); row < std::min(2 * chromaRow + 2, bottom); ++row)
                for (int column = std::max(2 * chromaColumn, left); column < std::min(2 * chromaColumn + 2, right);
                     ++column) {
                    const YuvaPixel p = pixel(column - originX, row - originY);
                    covered = covered || p.a;
                    towardsU += (p.u - u) * p.a;
                    towardsV += (p.v - v) * p.a;
                }
            if (!covered)
                continue;
            cb[chromaColumn] = blend_detail::moved(u, towardsU, 4 * 255);
            cr[chromaColumn] = blend_detail::moved(v, towardsV, 4 * 255);
        }
    }
}
