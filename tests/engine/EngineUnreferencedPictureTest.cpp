// Which H.264 packets the reader may keep from the decoder: leaving out a picture that something
// refers to would corrupt every frame after it.
#include "UnreferencedPicture.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
using Bytes = std::vector<uint8_t>;

// Header bytes: 0x01 slice nothing refers to, 0x21/0x41 referenced slices, 0x65 IDR slice,
// 0x06 SEI, 0x09 access unit delimiter, 0x0c filler, 0x81 forbidden bit set.
Bytes prefixed(std::initializer_list<Bytes> nals, int lengthSize = 4)
{
    Bytes out;
    for (const Bytes &nal : nals) {
        for (int i = lengthSize - 1; i >= 0; --i)
            out.push_back(static_cast<uint8_t>(nal.size() >> (8 * i)));
        out.insert(out.end(), nal.begin(), nal.end());
    }
    return out;
}

Bytes startCoded(std::initializer_list<Bytes> nals)
{
    Bytes out;
    for (const Bytes &nal : nals) {
        out.insert(out.end(), {0, 0, 0, 1});
        out.insert(out.end(), nal.begin(), nal.end());
    }
    return out;
}

bool judge(const Bytes &bytes, AVCodecID codec, const Bytes &extradata)
{
    AVCodecParameters *par = avcodec_parameters_alloc();
    par->codec_id = codec;
    par->extradata = static_cast<uint8_t *>(av_mallocz(extradata.size() + AV_INPUT_BUFFER_PADDING_SIZE));
    std::copy(extradata.begin(), extradata.end(), par->extradata);
    par->extradata_size = static_cast<int>(extradata.size());
    PacketPtr packet = makePacket();
    packet->data = const_cast<uint8_t *>(bytes.data());
    packet->size = static_cast<int>(bytes.size());
    const bool result = unreferencedPicture(par, packet.get());
    avcodec_parameters_free(&par);
    return result;
}
}

TEST(EngineUnreferencedPicture, OnlyBareSlicesNothingRefersTo)
{
    const Bytes avcc4 = {1, 0x64, 0, 0x1f, 0xff, 0xe0, 0};
    const Bytes avcc2 = {1, 0x64, 0, 0x1f, 0xfd, 0xe0, 0};
    const Bytes annexB = {};
    const Bytes slice = {0x01, 0x9e, 0x12}, refSlice = {0x41, 0x9a, 0x12}, lowRefSlice = {0x21, 0x9a, 0x12};
    const Bytes idr = {0x65, 0x88, 0x84}, sei = {0x06, 0x05, 0x01}, aud = {0x09, 0x30}, filler = {0x0c, 0xff};
    const Bytes forbidden = {0x81, 0x9e};
    Bytes truncated = prefixed({slice});
    truncated[3] = 9;
    Bytes leadingJunk = startCoded({slice});
    leadingJunk.insert(leadingJunk.begin(), 0x42);

    struct Case {
        const char *what;
        Bytes packet;
        const Bytes &extradata;
        bool unreferenced;
        AVCodecID codec = AV_CODEC_ID_H264;
    };
    const Case cases[] = {
        {"prefixed slice", prefixed({slice}), avcc4, true},
        {"two-byte lengths", prefixed({aud, slice}, 2), avcc2, true},
        {"delimiter, slices and filler", prefixed({aud, slice, slice, filler}), avcc4, true},
        {"referenced slice", prefixed({refSlice}), avcc4, false},
        {"lowest reference priority", prefixed({lowRefSlice}), avcc4, false},
        {"IDR", prefixed({idr}), avcc4, false},
        {"second slice referenced", prefixed({slice, refSlice}), avcc4, false},
        {"SEI with the slice", prefixed({sei, slice}), avcc4, false},
        {"delimiter alone", prefixed({aud}), avcc4, false},
        {"forbidden bit", prefixed({forbidden}), avcc4, false},
        {"length past the end", truncated, avcc4, false},
        {"start codes read as lengths", startCoded({slice}), avcc4, false},
        {"start-coded slice", startCoded({aud, slice}), annexB, true},
        {"three-byte start code", Bytes{0, 0, 1, 0x01, 0x9e, 0x12}, annexB, true},
        {"start-coded referenced slice", startCoded({aud, refSlice}), annexB, false},
        {"start-coded IDR after a slice", startCoded({slice, idr}), annexB, false},
        {"bytes before the first start code", leadingJunk, annexB, false},
        {"empty", Bytes{}, avcc4, false},
        {"another codec", prefixed({slice}), avcc4, false, AV_CODEC_ID_HEVC},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(judge(c.packet, c.codec, c.extradata), c.unreferenced);
    }
}
