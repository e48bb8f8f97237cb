#pragma once

#include <QImage>
#include <QString>

class TsuiImageButton;

// The skin and button pictures drawn at build time and compiled into the program.
QImage skinPicture(const QString &name);
// Gives the button the pictures "<name>.normal", ".hover", ".down" and, when drawn, ".disabled".
void applyButtonPictures(TsuiImageButton &button, const QString &name);
