// The engine's probe, picture, frame grabber and thumbnail, called as the program calls them.
#pragma once

#include "EngineLibrary.h"

#include <QString>

#include <vector>

int32_t probe(const QString &path, EngineFileInfo &info);
// The picture of the last probe or grabbed frame as X_Get_Frame hands it out: width x height BGR.
std::vector<uint8_t> enginePicture(int width, int height);
// Opens a grabber on `path`, asks for the frame at `second` and closes it again; the frame's
// picture, or nothing when none came.
std::vector<uint8_t> grabbedPicture(const QString &path, int second, int width, int height);
int32_t thumbnail(const QString &source, const char *second, const QString &output);
