#include "TrackBarGeometry.h"

#include <algorithm>

int trackThumbOffset(int position, int min, int max, int length, int thumbLength)
{
    if (max == min)
        return 0;
    return int((long long)(position - min) * (length - thumbLength) / ((long long)max - min));
}

int trackThumbCross(int size, int thumbSize)
{
    return std::max(0, size - thumbSize) / 2;
}

long long roundHalfEven(long long numerator, long long denominator)
{
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) {  // floor division, so the remainder is within 0..denominator-1
        --quotient;
        remainder += denominator;
    }
    const long long twice = 2 * remainder;
    if (twice > denominator || (twice == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

int trackPositionAt(int p, int min, int max, int length, int thumbLength)
{
    const long long span = (long long)max - min;
    const long long room = (long long)length - thumbLength;
    const long long steps = room == 0 ? 0 : roundHalfEven((p - thumbLength / 2) * span, room);
    return int(std::clamp<long long>(steps + min, min, std::max(min, max)));
}

int trackStepToward(int position, int step, int pointer, int thumbOffset, int pointerPosition)
{
    if (pointer > thumbOffset)
        return std::min(position + step, pointerPosition);
    if (pointer < thumbOffset)
        return std::max(position - step, pointerPosition);
    return position;
}

int trackClamp(int value, int lo, int hi)
{
    return std::min(std::max(value, lo), hi);
}
