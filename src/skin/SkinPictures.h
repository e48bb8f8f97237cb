#pragma once

#include <QImage>
#include <QString>

// A picture the generator drew at build time, compiled into the program; a null image when there
// is none of that name (see skin/art/SkinPictureNames.h).
QImage skinPicture(const QString &name);
