#include "CurrentClipDisplay.h"

#include "PreviewLink.h"
#include "core/ClipList.h"
#include "core/TVideoInfo.h"
#include "core/TextHelpers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {
void Enable(QWidget *widget, bool on)
{
    if (widget)
        widget->setEnabled(on);
}

void SetText(QLineEdit *edit, const QString &text)
{
    if (edit)
        edit->setText(text);
}
}

CurrentClipDisplay::CurrentClipDisplay(ClipList &clips, CurrentClipControls controls)
    : clips_(clips), controls_(std::move(controls))
{
}

void CurrentClipDisplay::SetCurrentClip(TVideoInfo *clip)
{
    if (clip && clip == clips_.CurrentClip())
        return;
    for (QComboBox *selector : {controls_.audio.data(), controls_.subtitle.data()}) {
        if (selector) {
            const QSignalBlocker quiet(selector);
            selector->clear();
        }
    }
    SetText(controls_.startEdit, QString());
    SetText(controls_.stopEdit, QString());
    if (preview_) {
        if (TVideoInfo *previous = clips_.CurrentClip()) {
            const QImage shown = preview_->ShownPicture();
            if (!shown.isNull())
                previous->SetPicture(shown);
        }
        const QPointer<TVideoInfo> wanted(clip);
        preview_->CloseFrameLibrary();
        // Closing handles window events while it waits: the clip may have left the list.
        if (!wanted || clips_.IndexOf(wanted) < 0)
            clip = nullptr;
    }
    clips_.SetCurrent(clip);
    if (clip)
        ShowClip(clip);
    else
        ShowNoClip();
}

void CurrentClipDisplay::ShowNoClip()
{
    if (preview_)
        preview_->ShowClipPicture(nullptr);
    Enable(controls_.audio, false);
    Enable(controls_.subtitle, false);
    Enable(controls_.startEdit, false);
    Enable(controls_.stopEdit, false);
    Enable(controls_.slider, false);
    Enable(controls_.snapshot, false);
    if (preview_)
        preview_->ShowClipRange(nullptr);
}

void CurrentClipDisplay::ShowClip(TVideoInfo *clip)
{
    Enable(controls_.startEdit, true);
    Enable(controls_.stopEdit, true);
    SetText(controls_.startEdit, SecondsToText(clip->StartTime()));
    SetText(controls_.stopEdit, SecondsToText(clip->EndTime()));
    const auto audioStreams = clip->AudioStreams();
    const auto subtitleStreams = clip->SubtitleStreams();
    Enable(controls_.audio, audioStreams.has_value());
    Enable(controls_.subtitle, subtitleStreams.has_value());
    // An entry shows its name, the part before its id.
    const auto names = [](const std::optional<QStringList> &entries) {
        QStringList shown;
        for (const QString &entry : entries.value_or(QStringList()))
            shown << entry.section(u'#', 0, 0);
        return shown;
    };
    if (QComboBox *audio = controls_.audio) {
        const QSignalBlocker quiet(audio);
        audio->addItems(names(audioStreams));
        audio->setCurrentIndex(clip->AudioIndex());
    }
    if (QComboBox *subtitle = controls_.subtitle) {
        const QSignalBlocker quiet(subtitle);
        subtitle->addItems(names(subtitleStreams) << QStringLiteral("Disable"));
        subtitle->setCurrentIndex(clip->SubtitleIndex());
    }
    Enable(controls_.snapshot, false);
    Enable(controls_.slider, true);
    if (preview_) {
        preview_->ShowClipRange(clip);
        preview_->ShowClipPicture(clip);
    }
}

void CurrentClipDisplay::AudioChosen(int index)
{
    if (TVideoInfo *clip = clips_.CurrentClip())
        clip->SetAudioIndex(index);
}

void CurrentClipDisplay::SubtitleChosen(int index)
{
    if (TVideoInfo *clip = clips_.CurrentClip())
        clip->SetSubtitleIndex(index);
}
