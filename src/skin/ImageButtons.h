#pragma once

#include <QRect>
#include <QString>

class QWidget;
class TsuiImageButton;

// Gives the button the pictures "<name>.normal", ".hover", ".down" and, when drawn, ".disabled".
void applyButtonPictures(TsuiImageButton &button, const QString &name);

// A button with the pictures of `name` (it takes their size), at the top-left corner of `place`.
TsuiImageButton *newImageButton(QWidget *parent, const char *name, const QRect &place);
