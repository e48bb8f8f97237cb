#include "OutputNames.h"

QString SerialText(qint64 n)
{
    if (n > 9999)
        n %= 10000;
    if (n < 1)
        return QStringLiteral("8888");
    return QStringLiteral("%1").arg(n, 4, 10, QLatin1Char('0'));
}

namespace {
constexpr QLatin1StringView FirstFormatPrefix("MAQ7");
constexpr QLatin1StringView OtherFormatPrefix("M4V7");
}

QString OutputNameOf(int position, int serialNumber, bool firstVideoFormatSelected)
{
    // Summed in 64 bits: a huge stored serial number must not overflow into undefined behaviour.
    const qint64 serial = qint64(serialNumber) + position;
    return (firstVideoFormatSelected ? FirstFormatPrefix : OtherFormatPrefix) + SerialText(serial)
        + QStringLiteral(".MP4");
}

bool NamedForFirstVideoFormat(const QString &outputName)
{
    return outputName.startsWith(FirstFormatPrefix);
}

QString ThumbnailNameOf(const QString &outputName)
{
    return outputName.left(qMax<qsizetype>(0, outputName.size() - 3)) + QStringLiteral("THM");
}
