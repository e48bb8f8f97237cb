#pragma once

#include "SkinArt.h"

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

struct NamedPicture {
    QString name;
    QImage image;
};
using PictureList = QList<NamedPicture>;

// Appends "<name>.<state>" for each state, drawing each face with makeFace(state).
template <typename MakeFace>
void addButtonStates(PictureList &out, const QString &name, bool withDisabled, MakeFace makeFace)
{
    for (SkinArt::ButtonState state : SkinArt::AllButtonStates) {
        if (state == SkinArt::ButtonState::Disabled && !withDisabled)
            continue;
        out.append({name + QLatin1Char('.') + QLatin1String(SkinArt::stateName(state)), makeFace(state)});
    }
}

PictureList mainFormPictures();
QImage introPicture(const QImage &background);
PictureList optionFormPictures();
PictureList processFormPictures();
PictureList aboutFormPictures();
// The input controls' style pictures.
PictureList skinKitPictures();

// Every picture the windows load, drawn at `scale` times the windows' size (1, or 2 for HiDPI
// screens, see SkinArt::DrawingScale).
PictureList allPictures(int scale = 1);
// Where the 2x drawing is not the 1x drawing at twice the size: the same names in the same order,
// each twice as large with a device pixel ratio of 2. A picture that was not started on
// SkinArt::canvas() or SkinArt::part() shows here.
QStringList doublesThatDoNotMatch(const PictureList &pictures, const PictureList &doubled);

// The program's icon, square, `size` pixels; and the same drawing as SVG text.
QImage appIconPicture(int size);
QByteArray appIconSvg();
