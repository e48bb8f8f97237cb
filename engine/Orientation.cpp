#include "Orientation.h"

#include "FilterChain.h"

#include <cstdlib>

Orientation orientationOf(const int32_t matrix[9])
{
    // The matrix maps a stored point (x, y) to (a x + c y, b x + d y) on screen, y pointing down.
    const int64_t a = matrix[0], b = matrix[1], c = matrix[3], d = matrix[4];
    Orientation o;
    if (std::llabs(a) + std::llabs(d) >= std::llabs(b) + std::llabs(c)) {
        o.hflip = a < 0;
        o.vflip = d < 0;
    } else {
        // Transposed, x' = c y and y' = b x: a negative factor mirrors that axis.
        o.transpose = true;
        o.hflip = c < 0;
        o.vflip = b < 0;
    }
    return o;
}

Orientation orientationOf(const AVStream *stream)
{
    size_t size = 0;
    const uint8_t *matrix = stream ? av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &size) : nullptr;
    if (!matrix || size < 9 * sizeof(int32_t))
        return {};
    return orientationOf(reinterpret_cast<const int32_t *>(matrix));
}

std::string orientationFilters(const Orientation &o)
{
    if (o.transpose)
        return std::string("transpose=dir=")
            + (o.hflip && o.vflip ? "clock_flip" : o.hflip ? "clock" : o.vflip ? "cclock" : "cclock_flip");
    if (o.hflip && o.vflip)
        return "hflip,vflip";
    return o.hflip ? "hflip" : o.vflip ? "vflip" : "";
}

int orientFrame(AVFrame *frame, const Orientation &o)
{
    if (o.upright())
        return 0;
    FilterChain chain;
    int ret = chain.build(frame, AVRational{1, AV_TIME_BASE}, false, orientationFilters(o));
    if (ret >= 0)
        ret = chain.push(frame);
    if (ret >= 0)
        ret = chain.close(frame->pts == AV_NOPTS_VALUE ? 1 : frame->pts + 1);
    FramePtr upright = makeFrame();
    if (ret >= 0)
        ret = chain.pull(upright.get());
    if (ret < 0)
        return ret;
    av_frame_unref(frame);
    av_frame_move_ref(frame, upright.get());
    return 0;
}
