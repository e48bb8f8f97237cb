// The output file: the psp muxer writing under a temporary name beside the final one, renamed only
// when the file is complete; anything else removes it.
#pragma once

#include "FfmpegHandles.h"
#include "IoWatch.h"

#include <string>

class PspMuxer {
public:
    explicit PspMuxer(IoWatch &watch) : watch_(watch) {}
    ~PspMuxer();
    PspMuxer(const PspMuxer &) = delete;
    PspMuxer &operator=(const PspMuxer &) = delete;

    int open(const std::string &path, const std::string &title);
    // Video first, then audio; `frameRate` only for video (it goes into the PSP profile box).
    int addStream(const AVCodecContext *encoder, AVRational frameRate);
    int writeHeader();
    // Takes the packet's data; timestamps are in `encoderTimeBase`.
    int write(AVPacket *packet, int stream, AVRational encoderTimeBase);
    // Trailer, close, rename into place.
    int finish();
    // Closes and removes the incomplete file.
    void abandon();

private:
    // `error`, or the watch's stall when it broke the write off.
    int writeResult(int error) const;

    IoWatch &watch_;
    AVFormatContext *ctx_ = nullptr;
    std::string path_;
    std::string partPath_;
};

// The title as the PSP metadata can hold it: UTF-16 without surrogates, so characters outside the
// Basic Multilingual Plane and bytes that are not UTF-8 become '?'.
std::string pspTitle(const std::string &title);
