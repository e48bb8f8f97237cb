#include "EncodingSelection.h"

#include "ProfileFiles.h"

#include <algorithm>

namespace {

QString Normalised(EncodingSelection::List list, QString text)
{
    text = text.trimmed();
    if (list == EncodingSelection::List::Resolution)
        text.replace(u'x', u':').replace(u'X', u':');
    return text;
}

} // namespace

EncodingSelection::EncodingSelection(const ProfileFiles &files)
    : files_(files)
{
}

void EncodingSelection::Load()
{
    files_.LoadVideoFormats(*this, QStringLiteral("PSP"));
    files_.LoadProfileList(*this);
    defaultProfile_ = profiles_.selected();
}

QStringList EncodingSelection::ProfileNames()
{
    QStringList names;
    for (int position = 0; position < profiles_.count(); ++position)
        names.append(files_.ProfileNameAt(*this, position));
    return names;
}

bool EncodingSelection::ApplyProfileNamed(const QString &name)
{
    const QStringList names = ProfileNames();
    const auto found = std::find_if(names.begin(), names.end(), [&](const QString &stored) {
        return stored.trimmed().compare(name.trimmed(), Qt::CaseInsensitive) == 0;
    });
    if (found == names.end())
        return false;
    const int position = int(found - names.begin());
    profiles_.select(position);
    files_.ApplyProfile(*this, position);
    return true;
}

PlainChoiceList &EncodingSelection::ListOf(List list)
{
    return const_cast<PlainChoiceList &>(std::as_const(*this).ListOf(list));
}

const PlainChoiceList &EncodingSelection::ListOf(List list) const
{
    switch (list) {
    case List::VideoFormat:
        return formats_;
    case List::Resolution:
        return resolutions_;
    case List::FrameRate:
        return frameRates_;
    case List::AudioBitRate:
        break;
    }
    return audioBitRates_;
}

QStringList EncodingSelection::Known(List list) const
{
    return ListOf(list).texts();
}

bool EncodingSelection::Select(List list, const QString &text)
{
    PlainChoiceList &choices = ListOf(list);
    const QString wanted = Normalised(list, text);
    const auto found = std::find_if(choices.texts().begin(), choices.texts().end(), [&](const QString &shown) {
        return Normalised(list, shown).compare(wanted, Qt::CaseInsensitive) == 0;
    });
    if (found == choices.texts().end())
        return false;
    const int position = int(found - choices.texts().begin());
    if (list == List::VideoFormat && position == choices.selected())
        return true;
    choices.select(position);
    if (list == List::VideoFormat)
        videoFormatChanged();
    return true;
}

bool EncodingSelection::SetVideoBitRate(int kbps)
{
    if (videoBitRate_.Bounded() && (kbps < videoBitRate_.minimum() || kbps > videoBitRate_.maximum()))
        return false;
    videoBitRate_.setValue(kbps);
    return true;
}

bool EncodingSelection::SetVolume(int gain)
{
    if (gain < volume_.minimum || gain > volume_.maximum)
        return false;
    volume_.position = gain;
    return true;
}

EncodingChoices EncodingSelection::Choices() const
{
    EncodingChoices choices;
    choices.videoFormat = formats_.selected();
    choices.videoFormatText = formats_.selectedText();
    choices.resolution = resolutions_.selected();
    choices.frameRate = frameRates_.selected();
    choices.audioBitRate = audioBitRates_.selected();
    choices.videoBitRateText = QString::number(videoBitRate_.value());
    choices.volume = volume_.position;
    return choices;
}

ChoiceList *EncodingSelection::formatList(FormatFamily family)
{
    switch (family) {
    case FormatFamily::VideoResolution:
        return &resolutions_;
    case FormatFamily::VideoFrameRate:
        return &frameRates_;
    case FormatFamily::AudioBitrate:
        return &audioBitRates_;
    case FormatFamily::AudioVolume:
        return &volumes_;
    case FormatFamily::VideoAspect:
    case FormatFamily::AudioSampleRate:
        break;
    }
    return nullptr;
}

void EncodingSelection::videoFormatChanged()
{
    files_.LoadFormatChoices(*this, formats_.selected());
}

void EncodingSelection::formatChoicesLoaded()
{
    volume_ = VolumeSliderFrom(volumes_.texts(), volumes_.selected());
}

void EncodingSelection::profileVolumeApplied()
{
    volume_.position = std::clamp(volumes_.selected(), volume_.minimum, volume_.maximum);
}
