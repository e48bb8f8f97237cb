#include "RunSettings.h"

#include "core/profiles/DefinitionFamilies.h"
#include "platform/IniFile.h"

RunSettings ResolveRunSettings(const QString &definitionPath, const EncodingChoices &choices)
{
    const QString device = QStringLiteral("PSP");
    const QString format = device + u'-' + choices.videoFormatText;
    const IniFile definition(definitionPath);
    RunSettings settings;
    settings.videoFormat = ReadDefinitionValue(definition, device, QStringLiteral("VideoFormat"), choices.videoFormat);
    settings.resolution = ReadDefinitionValue(definition, format, QStringLiteral("VideoResolution"), choices.resolution);
    settings.frameRate = ReadDefinitionValue(definition, format, QStringLiteral("VideoFrameRate"), choices.frameRate);
    settings.audioBitRate = ReadDefinitionValue(definition, format, QStringLiteral("AudioBitrate"), choices.audioBitRate);
    settings.sampleRate = ReadDefinitionValue(definition, format, QStringLiteral("AudioSampleRate"), 0);
    settings.videoBitRate = choices.videoBitRateText.trimmed();
    settings.volume = QString::number(choices.volume);
    return settings;
}
