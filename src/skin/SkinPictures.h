#pragma once

#include "skin/SkinPicture.h"

#include <QString>

// A picture the generator drew at build time, compiled into the program, with its 2x copy when a
// screen shows more than one pixel per window pixel; a null picture when there is none of that
// name (see skin/art/SkinPictureNames.h).
SkinPicture skinPicture(const QString &name);
