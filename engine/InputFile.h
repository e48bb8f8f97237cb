// A media file opened for reading: its streams, its time origin, and the video stream the engine uses.
#pragma once

#include "FfmpegHandles.h"
#include "IoWatch.h"

#include <optional>

class InputFile {
public:
    InputFile() = default;
    ~InputFile();
    InputFile(const InputFile &) = delete;
    InputFile &operator=(const InputFile &) = delete;

    // 0, or a negative AVERROR or EngineError saying why the file cannot be used; only regular
    // files are opened, so a read can never wait on a pipe. Every read goes through `watch`.
    int open(const char *path, IoWatch &watch);
    // The next packet, as av_read_frame; the time without data counts from this call.
    int readPacket(AVPacket *packet);
    // What to report for a read or seek that ended in `error`: a stall of the watch, or the disk's
    // error behind an end of file, else `error` itself.
    int failure(int error) const;

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
    int seekToKeyframe(double seconds, AVPacket *key);
    // Seconds of the video keyframe that seekBefore(seconds) lands on, when the file's index tells.
    std::optional<double> keyframeBefore(double seconds) const;

private:
    int readVideoPacket(AVPacket *packet);
    // The file was read up to its end (or asked for data past it).
    bool readToTheEnd() const;
    // Why an opening failed: the disk's error, or the file ending early where it was read to its
    // end or came back shorter than it said, else `error`.
    int cutShort(int error) const;

    IoWatch *watch_ = nullptr;
    IoContextPtr io_;
    FormatInputPtr ctx_; // reads through io_, so it is closed before it
    int video_ = -1;
};
