#include "RecordingUrlOpener.h"

RecordingUrlOpener::RecordingUrlOpener()
    : previous_(UrlOpener::Installed())
{
    UrlOpener::Install(this);
}

RecordingUrlOpener::~RecordingUrlOpener()
{
    UrlOpener::Install(previous_);
}
