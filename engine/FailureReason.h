// Why the calling thread's last entry point failed, in the user's words (X_Get_Last_Error). The
// failures a user can tell apart travel up as error codes of the engine's own, like FFmpeg's.
#pragma once

extern "C" {
#include <libavutil/error.h>
}

#include <string>

namespace EngineError {
constexpr int Stalled = FFERRTAG('P', 'R', 's', 't');
constexpr int WriteStalled = FFERRTAG('P', 'R', 'w', 's');
constexpr int SoundAndCover = FFERRTAG('P', 'R', 'c', 'v');
constexpr int SoundOnly = FFERRTAG('P', 'R', 's', 'o');
constexpr int NoPicture = FFERRTAG('P', 'R', 'n', 'p');
constexpr int NotMedia = FFERRTAG('P', 'R', 'n', 'm');
constexpr int EndsEarly = FFERRTAG('P', 'R', 'e', 'e');
constexpr int Missing = FFERRTAG('P', 'R', 'm', 'i');
constexpr int NotAFile = FFERRTAG('P', 'R', 'n', 'f');
constexpr int Empty = FFERRTAG('P', 'R', 'e', 'm');
constexpr int UnusableSetting = FFERRTAG('P', 'R', 'u', 's');
constexpr int NoPspLevel = FFERRTAG('P', 'R', 'p', 'l');
constexpr int SourceIsOutput = FFERRTAG('P', 'R', 's', 'i');
constexpr int RunAway = FFERRTAG('P', 'R', 'r', 'a');
constexpr int NothingInRange = FFERRTAG('P', 'R', 'n', 'r');
constexpr int NoSuchSoundTrack = FFERRTAG('P', 'R', 'n', 's');
constexpr int NoSuchSubtitles = FFERRTAG('P', 'R', 'n', 't');
}

// The engine's own words for one of its codes, else FFmpeg's text for the code: what the log says.
std::string errorText(int error);
// What a user is told for any error code: plainer words for the system's codes a user meets.
std::string userReason(int error);

// The calling thread's reason: cleared as each entry point begins, noted where it fails.
void clearFailureReason();
void noteFailureReason(const std::string &reason);
bool failureReasonNoted();
const char *failureReason();
