#include "MountTable.h"

#include <QStringList>
#include <optional>

QString decodeMountEscapes(const QString &field)
{
    if (!field.contains(u'\\'))
        return field;
    const QByteArray in = field.toUtf8();
    QByteArray out;
    out.reserve(in.size());
    for (qsizetype i = 0; i < in.size(); ++i) {
        const auto isOctal = [&](qsizetype at) { return at < in.size() && in[at] >= '0' && in[at] <= '7'; };
        if (in[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
            out.append(char(((in[i + 1] - '0') << 6) | ((in[i + 2] - '0') << 3) | (in[i + 3] - '0')));
            i += 3;
        } else {
            out.append(in[i]);
        }
    }
    return QString::fromUtf8(out);
}

namespace {

std::optional<MountEntry> parseLine(const QString &line)
{
    // id parent major:minor root mount-point options [optional fields...] - type source super-options
    const QStringList fields = line.split(u' ', Qt::SkipEmptyParts);
    const qsizetype separator = fields.indexOf(QStringLiteral("-"), 6);
    if (fields.size() < 6 || separator < 0 || separator + 2 >= fields.size())
        return std::nullopt;

    MountEntry entry;
    bool ok = false;
    entry.mountId = fields[0].toInt(&ok);
    if (!ok)
        return std::nullopt;
    const QStringList device = fields[2].split(u':');
    bool majorOk = false, minorOk = false;
    if (device.size() != 2)
        return std::nullopt;
    entry.major = device[0].toUInt(&majorOk);
    entry.minor = device[1].toUInt(&minorOk);
    if (!majorOk || !minorOk)
        return std::nullopt;
    entry.root = decodeMountEscapes(fields[3]);
    entry.mountPoint = decodeMountEscapes(fields[4]);
    entry.fileSystem = fields[separator + 1];
    entry.source = decodeMountEscapes(fields[separator + 2]);
    return entry;
}

}

QList<MountEntry> parseMountInfo(const QString &text)
{
    QList<MountEntry> entries;
    for (const QString &line : text.split(u'\n', Qt::SkipEmptyParts)) {
        if (auto entry = parseLine(line))
            entries.append(*entry);
    }
    return entries;
}
