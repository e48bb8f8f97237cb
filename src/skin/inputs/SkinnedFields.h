#pragma once

#include <QRect>
#include <QRgb>

class QWidget;
class TsuiComboBox;
class TsuiEdit;

// The windows' drop-down lists and text fields: a black border (and arrow), in the window's field
// colour (skin/art/SkinPalette.h).
TsuiComboBox *newDropDown(QWidget *parent, const QRect &place, QRgb fieldColour, QRgb buttonColour);
TsuiEdit *newTextField(QWidget *parent, const QRect &place, QRgb fieldColour);
