#pragma once

#include <QLocale>
#include <QString>

struct EngineFileInfo;

// text cut to n characters, or filled up with blanks to n characters.
QString PadName(const QString &text, int n);

// What a row's name label shows: room for the tick picture, then the file name in 30 columns.
QString RowNameText(const QString &fileName);

// The clip's tooltip: name, picture size, bit rates, frame rate and sample rate. The numbers
// carry two decimals with the decimal separator of locale and no digit grouping.
QString ClipInfoText(const QString &fileName, const EngineFileInfo &info,
                     const QLocale &locale = QLocale::system());
