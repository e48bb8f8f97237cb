#include "mainform/cliplist/ClipTexts.h"

#include "abi/DVDEncoder.h"

QString PadName(const QString &text, int n)
{
    if (text.size() >= n)
        return text.left(n);
    return text + QString(n - text.size(), u' ');
}

QString RowNameText(const QString &fileName)
{
    return QStringLiteral("      ") + PadName(fileName, 30);
}

QString ClipInfoText(const QString &fileName, const EngineFileInfo &info, const QLocale &locale)
{
    QLocale numbers = locale;
    numbers.setNumberOptions(QLocale::OmitGroupSeparator);
    const auto twoDecimals = [&numbers](float v) { return numbers.toString(double(v), 'f', 2); };
    return QStringLiteral("Clip Name : ") + fileName
        + QStringLiteral("\nVideo : Size ") + QString::number(info.width) + u'X'
        + QString::number(info.height) + QStringLiteral(" , Bitrate ")
        + twoDecimals(info.videoBitRate) + QStringLiteral(" , FPS ") + twoDecimals(info.frameRate)
        + QStringLiteral("\nAudio : Bitrate ") + twoDecimals(info.audioBitRate)
        + QStringLiteral(", Samplerate ") + QString::number(info.sampleRate);
}
