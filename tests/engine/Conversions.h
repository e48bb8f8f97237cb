// One conversion request with the values the shipped definition file hands over, changeable per test.
#pragma once

#include "EngineLibrary.h"

#include <QString>

struct ConversionRequest {
    QString source;
    QString output;
    QString format = "h264";
    QString start = "0";
    QString length = "3";
    QString sampleRate = "48000";
    QString aspect = "1:1";
    QString videoKbps = "768";
    QString audioKbps = "96";
    QString frameSize = "480:272";
    QString resolution = "480:272";
    QString title = "Clip";
    QString frameRate = "29.97";
    QString audioStream = "0";
    QString subtitle = "-1";
    QString volume = "0";
};

int32_t convert(const ConversionRequest &r, MessageTarget *window = nullptr);
