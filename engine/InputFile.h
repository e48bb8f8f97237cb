// A media file opened for reading: its streams, its time origin, and the video stream the engine uses.
#pragma once

#include "FfmpegHandles.h"
#include "IoWatch.h"

#include <optional>

class InputFile {
public:
    // 0, or a negative AVERROR; only regular files are opened, so a read can never wait on a pipe.
    int open(const char *path, IoWatch &watch);

    AVFormatContext *context() const { return ctx_.get(); }
    AVStream *videoStream() const { return video_ < 0 ? nullptr : ctx_->streams[video_]; }
    int videoIndex() const { return video_; }
    // The n-th audio stream (0 = the first), or -1.
    int audioIndex(int ordinal) const;
    int audioStreamCount() const;
    // Where the file's time line starts, in AV_TIME_BASE units (0 when unknown).
    int64_t originUs() const;
    // Seconds, 0 when unknown.
    double durationSeconds() const;
    // Bytes, 0 when unknown.
    int64_t sizeBytes() const;
    // Seconds since the origin of a timestamp of stream `index`.
    double secondsOf(int index, int64_t ts) const;
    // Jumps to the keyframe at or before `seconds` since the origin, as the file's index tells.
    int seekBefore(double seconds);
    // Jumps to a video keyframe at or before `seconds` also in a file without an index, and reads it
    // into `key`: 1 = `key` is the next packet to use, 0 = no keyframe came and the plain seek stands.
    int seekToKeyframe(double seconds, AVPacket *key, IoWatch &watch);
    // Seconds of the video keyframe that seekBefore(seconds) lands on, when the file's index tells.
    std::optional<double> keyframeBefore(double seconds) const;

private:
    int readVideoPacket(AVPacket *packet, IoWatch &watch);

    FormatInputPtr ctx_;
    int video_ = -1;
};
