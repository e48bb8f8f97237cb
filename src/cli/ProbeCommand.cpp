#include "cli/ProbeCommand.h"

#include "cli/CliArguments.h"
#include "cli/Console.h"
#include "cli/ExitCodes.h"
#include "cli/ProgramFiles.h"
#include "core/DisplayAspect.h"
#include "core/TextHelpers.h"
#include "core/conversion/SourceProbe.h"
#include "core/streams/StreamNames.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <cmath>
#include <numeric>

namespace {

bool SquarePixels(const EngineFileInfo &info)
{
    return info.flag != 0;
}

double DisplayAspect(const EngineFileInfo &info)
{
    if (!SquarePixels(info))
        return DisplayAspectOf(AspectIndexOfCode(info.aspectCode), info.width, info.height);
    return info.height > 0 ? double(info.width) / info.height : 0.0;
}

double Rounded(double value, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

QString TwoDecimals(float value)
{
    return QString::number(double(value), 'f', 2);
}

} // namespace

QString DisplayAspectText(const EngineFileInfo &info)
{
    if (!SquarePixels(info)) {
        switch (info.aspectCode) {
        case 1: return QStringLiteral("1:1");
        case 2: return QStringLiteral("4:3");
        case 3: return QStringLiteral("16:9");
        case 4: return QStringLiteral("2.21:1");
        default: break;
        }
    }
    if (info.width <= 0 || info.height <= 0)
        return QStringLiteral("unknown");
    const int divisor = std::gcd(info.width, info.height);
    return QStringLiteral("%1:%2").arg(info.width / divisor).arg(info.height / divisor);
}

QJsonObject ProbeJson(const QString &path, const EngineFileInfo &info)
{
    return QJsonObject{
        {"file", path},
        {"duration", info.duration},
        {"width", info.width},
        {"height", info.height},
        {"displayAspect", DisplayAspectText(info)},
        {"displayAspectRatio", Rounded(DisplayAspect(info), 4)},
        {"squarePixels", SquarePixels(info)},
        {"frameRate", Rounded(info.frameRate, 3)},
        {"videoBitRate", Rounded(info.videoBitRate, 2)},
        {"audioBitRate", Rounded(info.audioBitRate, 2)},
        {"sampleRate", info.sampleRate},
    };
}

QString ProbeText(const QString &path, const EngineFileInfo &info)
{
    const QString audio = info.sampleRate > 0
        ? TwoDecimals(info.audioBitRate) + QStringLiteral(" kbit/s, ") + QString::number(info.sampleRate) + QStringLiteral(" Hz")
        : QStringLiteral("none");
    return path + u'\n'
        + QStringLiteral("  length:          %1 (%2 s)\n").arg(SecondsToText(info.duration)).arg(info.duration)
        + QStringLiteral("  picture:         %1 x %2, display %3%4\n")
              .arg(info.width)
              .arg(info.height)
              .arg(DisplayAspectText(info), SquarePixels(info) ? QString() : QStringLiteral(" (pixels not square)"))
        + QStringLiteral("  frame rate:      %1 fps\n").arg(TwoDecimals(info.frameRate))
        + QStringLiteral("  video bit rate:  %1 kbit/s\n").arg(TwoDecimals(info.videoBitRate))
        + QStringLiteral("  audio:           %1").arg(audio);
}

QString StreamsText(const SourceStreams &streams)
{
    const auto list = [](const QList<SourceStream> &entries, const QString &caption) {
        QString text;
        for (int i = 0; i < entries.size(); ++i) {
            const SourceStream &s = entries[i];
            QStringList marks;
            if (s.isDefault)
                marks << QStringLiteral("default");
            if (s.kind == SourceStream::Kind::File)
                marks << s.title;
            else if (!s.title.isEmpty())
                marks << u'"' + s.title + u'"';
            text += QStringLiteral("\n  %1%2  %3%4")
                        .arg(i == 0 ? caption : QString(), -17)
                        .arg(i + 1, 2)
                        .arg(StreamName(s), marks.isEmpty() ? QString() : QStringLiteral(", ") + marks.join(QStringLiteral(", ")));
        }
        return text;
    };
    return list(streams.sound, QStringLiteral("sound tracks:")) + list(streams.subtitles, QStringLiteral("subtitles:"));
}

void AddStreamsJson(QJsonObject &json, const SourceStreams &streams)
{
    const auto list = [](const QList<SourceStream> &entries) {
        QJsonArray array;
        for (int i = 0; i < entries.size(); ++i) {
            const SourceStream &s = entries[i];
            QJsonObject entry{{"number", i + 1},       {"name", StreamName(s)}, {"language", s.language},
                              {"codec", s.codec},      {"default", s.isDefault}, {"forced", s.forced}};
            if (s.kind == SourceStream::Kind::Sound)
                entry.insert("channels", s.channels);
            else
                entry.insert("bitmap", s.bitmap);
            entry.insert(s.kind == SourceStream::Kind::File ? "file" : "title", s.title);
            array.append(entry);
        }
        return array;
    };
    json.insert("soundTracks", list(streams.sound));
    json.insert("subtitles", list(streams.subtitles));
}

QString WhyUnreadable(const QString &file, const QString &engineReason)
{
    const QFileInfo info(file);
    if (!info.exists())
        return QStringLiteral("no such file");
    if (!info.isFile())
        return QStringLiteral("not a file");
    if (!engineReason.isEmpty())
        return engineReason;
    return QStringLiteral("the engine cannot read this file");
}

int RunProbe(const ProbeRequest &request)
{
    Console console;
    EngineLibrary engine;
    if (!LoadEngine(engine, EngineLibrary::ProbeEntries, console))
        return ExitCode::EngineMissing;

    int status = ExitCode::Done;
    QJsonArray results;
    for (const QString &file : request.files) {
        const QString path = QFileInfo(file).absoluteFilePath();
        const std::optional<EngineFileInfo> info = ProbeSource(engine, path);
        if (!info) {
            const QString why = WhyUnreadable(file, engine.FailureReason());
            console.Error(file + QStringLiteral(": ") + why);
            if (request.json)
                results.append(QJsonObject{{"file", file}, {"error", why}});
            status = ExitCode::SomeFailed;
            continue;
        }
        const std::optional<SourceStreams> streams = ProbeStreams(engine, path);
        if (request.json) {
            QJsonObject json = ProbeJson(file, *info);
            if (streams)
                AddStreamsJson(json, *streams);
            results.append(json);
        } else {
            console.Result(ProbeText(file, *info) + (streams ? StreamsText(*streams) : QString()));
        }
    }
    if (request.json)
        console.Result(QString::fromUtf8(QJsonDocument(results).toJson(QJsonDocument::Indented)).trimmed());
    return status;
}
