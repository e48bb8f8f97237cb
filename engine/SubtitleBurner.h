// The subtitles a conversion burns into the picture: a subtitle stream of the source, whose packets
// the reading hands over as it meets them, or a subtitle file, read whole before the conversion.
// Text is drawn by libass, pictures are scaled and blended; both inside the picture, not its bars.
#pragma once

#include "BitmapSubtitles.h"
#include "ConversionSettings.h"
#include "InputFile.h"
#include "StreamDecoder.h"
#include "TextSubtitles.h"

#include <mutex>
#include <string>
#include <vector>

struct SubtitlePlacement {
    PictureArea area;     // where the picture lies in the frame written
    int screenHeight = 0; // the frame's height, which the size of plain text follows
};

class SubtitleBurner {
public:
    // Prepares the subtitles that `s` chose for the opened source. False when none are chosen, and
    // when they cannot be read: then one line on standard error says why, and the conversion goes
    // on without them.
    bool open(const ConversionSettings &s, const InputFile &input, const SubtitlePlacement &placement);
    // The source stream whose packets take() wants, -1 for none.
    int streamIndex() const { return streamIndex_; }

    // The reading thread: a packet of that stream.
    void take(const AVPacket *packet);
    // The filter thread: draws what shows `ms` after the source's origin into `frame` (yuv420p).
    void draw(AVFrame *frame, int64_t ms);

private:
    int openStream(const InputFile &input, int index);
    int openFile(const InputFile &input, const std::string &path, const std::string &language);
    int openDecoder(const AVFormatContext *source, const AVStream *st, const std::string &encoding);
    void decode(const AVPacket *packet);

    SubtitlePlacement placement_;
    int streamIndex_ = -1;
    int64_t originMs_ = 0;         // the origin of the stream's timestamps
    int canvasWidth_ = 0, canvasHeight_ = 0; // what picture subtitles are drawn for when they do not say
    StreamDecoder decoder_;
    bool bitmap_ = false;
    TextSubtitles text_;
    BitmapSubtitles pictures_;

    std::mutex pendingMutex_;
    std::vector<PacketPtr> pending_;
};
