#include "UnreferencedPicture.h"

#include <cstddef>

namespace {
enum class Nal { Unreferenced, Neutral, Other };

Nal classify(const uint8_t *nal, size_t size)
{
    if (size == 0 || (nal[0] & 0x80))
        return Nal::Other;
    const int type = nal[0] & 0x1f;
    const int refIdc = (nal[0] >> 5) & 3;
    if (type == 9 || type == 12)
        return Nal::Neutral;
    // A SEI is read even for a dropped picture; only a bare slice is surely without effect.
    return type == 1 && refIdc == 0 && size > 1 ? Nal::Unreferenced : Nal::Other;
}

bool lengthPrefixed(const uint8_t *data, size_t size, int lengthSize)
{
    bool slice = false;
    for (size_t at = 0; at < size;) {
        if (size - at < static_cast<size_t>(lengthSize))
            return false;
        size_t length = 0;
        for (int i = 0; i < lengthSize; ++i)
            length = length << 8 | data[at + i];
        at += lengthSize;
        if (length > size - at)
            return false;
        const Nal kind = classify(data + at, length);
        if (kind == Nal::Other)
            return false;
        slice |= kind == Nal::Unreferenced;
        at += length;
    }
    return slice;
}

// Start codes cannot occur inside a NAL unit (emulation prevention), so each one begins a unit.
bool startCoded(const uint8_t *data, size_t size)
{
    if (size < 4 || data[0] != 0 || data[1] != 0 || !(data[2] == 1 || (data[2] == 0 && data[3] == 1)))
        return false;
    bool slice = false;
    bool any = false;
    for (size_t at = 0; at + 3 <= size; ++at) {
        if (data[at] != 0 || data[at + 1] != 0 || data[at + 2] != 1)
            continue;
        const size_t begin = at + 3;
        size_t end = begin;
        while (end + 3 <= size && !(data[end] == 0 && data[end + 1] == 0 && data[end + 2] <= 1))
            ++end;
        if (end + 3 > size)
            end = size;
        const Nal kind = classify(data + begin, end - begin);
        if (kind == Nal::Other)
            return false;
        slice |= kind == Nal::Unreferenced;
        any = true;
        at = end - 1;
    }
    return any && slice;
}
}

bool unreferencedPicture(const AVCodecParameters *par, const AVPacket *packet)
{
    if (!par || par->codec_id != AV_CODEC_ID_H264 || !packet || !packet->data || packet->size <= 0
        || av_packet_get_side_data(packet, AV_PKT_DATA_NEW_EXTRADATA, nullptr))
        return false;
    const size_t size = static_cast<size_t>(packet->size);
    if (par->extradata && par->extradata_size >= 7 && par->extradata[0] == 1)
        return lengthPrefixed(packet->data, size, (par->extradata[4] & 3) + 1);
    return startCoded(packet->data, size);
}
