#include "FailureReason.h"

#include "IoWatch.h"

#include <cerrno>
#include <pthread.h>

namespace {
// Kept under a thread key rather than thread_local: in a library loaded with dlopen, a thread_local
// lives in dynamic TLS, whose scan at exit crashes LeakSanitizer's tracer in the sanitizer builds.
pthread_key_t reasonKey()
{
    static const pthread_key_t key = [] {
        pthread_key_t created{};
        pthread_key_create(&created, [](void *text) { delete static_cast<std::string *>(text); });
        return created;
    }();
    return key;
}

std::string &reason()
{
    auto *text = static_cast<std::string *>(pthread_getspecific(reasonKey()));
    if (!text) {
        text = new std::string;
        pthread_setspecific(reasonKey(), text);
    }
    return *text;
}
}

std::string errorText(int error)
{
    switch (error) {
    case EngineError::Stalled:
        return "nothing could be read for " + std::to_string(IoWatch::stallLimit().count()) + " s";
    case EngineError::WriteStalled:
        return "nothing could be written for " + std::to_string(IoWatch::stallLimit().count()) + " s";
    case EngineError::SoundAndCover:
        return "no video picture, only sound and a cover image";
    case EngineError::SoundOnly:
        return "no video picture, only sound";
    case EngineError::NoPicture:
        return "no video picture";
    case EngineError::NotMedia:
        return "not a video file";
    case EngineError::EndsEarly:
        return "the file ends early";
    case EngineError::Missing:
        return "the file does not exist";
    case EngineError::NotAFile:
        return "not a file";
    case EngineError::Empty:
        return "the file is empty";
    case EngineError::UnusableSetting:
        return "a setting the engine cannot use";
    case EngineError::NoPspLevel:
        return "the picture size, frame rate and bit rate are more than a PSP plays";
    case EngineError::SourceIsOutput:
        return "the output would overwrite the source";
    case EngineError::RunAway:
        return "its timestamps run far past its length";
    case EngineError::NothingInRange:
        return "no picture in the chosen range";
    case EngineError::NoSuchSoundTrack:
        return "the chosen sound track is not in the file";
    case EngineError::NoSuchSubtitles:
        return "the chosen subtitles are not in the file";
    default:
        break;
    }
    char text[AV_ERROR_MAX_STRING_SIZE] = "";
    av_strerror(error, text, sizeof text);
    return text;
}

std::string userReason(int error)
{
    switch (error) {
    case AVERROR(ENOSPC):
    case AVERROR(EFBIG):
    case AVERROR(EDQUOT):
        return "the disk is full";
    case AVERROR(EROFS):
        return "the disk is read-only";
    case AVERROR(EACCES):
    case AVERROR(EPERM):
        return "permission denied";
    case AVERROR(ENOENT):
        return "a folder or file it needs does not exist";
    case AVERROR(EIO):
        return "the disk reported an error";
    case AVERROR(ENOMEM):
        return "not enough memory";
    case AVERROR(EBUSY):
        return "another conversion is running";
    case AVERROR_INVALIDDATA:
        return "the file is damaged";
    case AVERROR_EOF:
        return "the file ends early";
    case AVERROR_DECODER_NOT_FOUND:
        return "its picture or sound is in a format the engine cannot decode";
    case AVERROR_ENCODER_NOT_FOUND:
        return "the engine lacks an encoder it needs";
    default:
        return errorText(error);
    }
}

void clearFailureReason()
{
    reason().clear();
}

void noteFailureReason(const std::string &text)
{
    reason() = text;
}

bool failureReasonNoted()
{
    return !reason().empty();
}

const char *failureReason()
{
    return reason().c_str();
}
