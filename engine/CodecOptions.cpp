#include "CodecOptions.h"

int openCodec(AVCodecContext *ctx, const AVCodec *codec, const OptionList &options)
{
    AVDictionary *dict = nullptr;
    int ret = 0;
    for (const auto &[key, value] : options)
        if (ret >= 0)
            ret = av_dict_set(&dict, key.c_str(), value.c_str(), 0);
    if (ret >= 0)
        ret = avcodec_open2(ctx, codec, &dict);
    if (ret >= 0 && av_dict_count(dict) > 0)
        ret = AVERROR_OPTION_NOT_FOUND;
    av_dict_free(&dict);
    return ret;
}
