#include "TextSubtitles.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace {
// Letters about 20 pixels high on the PSP's 272 lines hold a 40-character line on its 480 columns.
constexpr double kLetterLines = 20.0 / 272.0;

// libass reports every font it falls back from; a failure shows as missing subtitles anyway.
void quiet(int, const char *, va_list, void *) {}

bool isFont(const AVStream *st)
{
    const AVDictionaryEntry *mime = av_dict_get(st->metadata, "mimetype", nullptr, 0);
    const AVDictionaryEntry *name = av_dict_get(st->metadata, "filename", nullptr, 0);
    if (mime && mime->value && (std::strstr(mime->value, "font") || std::strstr(mime->value, "opentype")))
        return true;
    const std::string file = name && name->value ? name->value : "";
    const size_t dot = file.rfind('.');
    std::string extension = dot == std::string::npos ? "" : file.substr(dot + 1);
    for (char &c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == "ttf" || extension == "otf" || extension == "ttc";
}
}

bool TextSubtitles::open(const AVFormatContext *video, int width, int height, std::string header)
{
    library_.reset(ass_library_init());
    if (!library_)
        return false;
    ass_set_message_cb(library_.get(), quiet, nullptr);
    for (unsigned i = 0; video && i < video->nb_streams; ++i) {
        const AVStream *st = video->streams[i];
        if (st->codecpar->codec_type == AVMEDIA_TYPE_ATTACHMENT && st->codecpar->extradata_size > 0 && isFont(st)) {
            const AVDictionaryEntry *name = av_dict_get(st->metadata, "filename", nullptr, 0);
            ass_add_font(library_.get(), name && name->value ? name->value : "attachment",
                         reinterpret_cast<const char *>(st->codecpar->extradata), st->codecpar->extradata_size);
        }
    }
    renderer_.reset(ass_renderer_init(library_.get()));
    track_.reset(ass_new_track(library_.get()));
    if (!renderer_ || !track_)
        return false;
    ass_set_frame_size(renderer_.get(), width, height);
    ass_set_fonts(renderer_.get(), nullptr, "sans-serif", ASS_FONTPROVIDER_AUTODETECT, nullptr, 1);
    ass_process_codec_private(track_.get(), header.data(), static_cast<int>(header.size()));
    return true;
}

void TextSubtitles::add(const std::string &dialogue, int64_t startMs, int64_t durationMs)
{
    std::string line = dialogue;
    ass_process_chunk(track_.get(), line.data(), static_cast<int>(line.size()), startMs, durationMs);
}

void TextSubtitles::draw(AVFrame *frame, const PictureArea &area, int64_t ms)
{
    const ASS_Image *images = renderer_ ? ass_render_frame(renderer_.get(), track_.get(), ms, nullptr) : nullptr;
    if (!images || av_frame_make_writable(frame) < 0)
        return;
    for (const ASS_Image *image = images; image; image = image->next) {
        const uint32_t c = image->color;
        const YuvaPixel colour = yuvOfRgb(c >> 24, (c >> 16) & 0xFF, (c >> 8) & 0xFF, 255 - (c & 0xFF));
        blendOnto(frame, area, image->dst_x, image->dst_y, image->w, image->h, [&](int x, int y) {
            YuvaPixel p = colour;
            p.a = static_cast<uint8_t>((image->bitmap[y * image->stride + x] * colour.a + 127) / 255);
            return p;
        });
    }
}

std::string plainTextHeader(int width, int height, int screenHeight)
{
    const double letters = screenHeight * kLetterLines;
    const double outline = std::max(1.0, letters / 12), margin = std::max(2.0, letters / 2.5);
    char header[1024];
    std::snprintf(header, sizeof header,
                  "[Script Info]\n"
                  "ScriptType: v4.00+\n"
                  "PlayResX: %d\n"
                  "PlayResY: %d\n"
                  "ScaledBorderAndShadow: yes\n"
                  "WrapStyle: 0\n"
                  "\n"
                  "[V4+ Styles]\n"
                  "Format: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, OutlineColour, BackColour, "
                  "Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, Angle, BorderStyle, Outline, "
                  "Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n"
                  "Style: Default,sans-serif,%.1f,&H00FFFFFF,&H00FFFFFF,&H00000000,&H80000000,"
                  "0,0,0,0,100,100,0,0,1,%.1f,%.1f,2,%.0f,%.0f,%.0f,1\n"
                  "\n"
                  "[Events]\n"
                  "Format: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n",
                  width, height, letters, outline, outline / 2, margin, margin, margin);
    return header;
}
