#include "mainform/preview/TrimTimes.h"

#include "core/ClipList.h"
#include "core/TextHelpers.h"
#include "core/preview/TimeText.h"
#include "platform/Prompts.h"
#include "skin/art/SkinPalette.h"
#include "skin/inputs/TsuiMaskEdit.h"

const QColor TrimTimes::Red = QColor::fromRgb(SkinPalette::OutOfRange);
const QColor TrimTimes::Lime = QColor::fromRgb(SkinPalette::Lime);

TrimTimes::TrimTimes(ClipList &clips, const Controls &controls, std::function<void(TVideoInfo *)> showClipRange,
                     QObject *parent)
    : QObject(parent), clips_(clips), controls_(controls), showClipRange_(std::move(showClipRange))
{
    for (TsuiMaskEdit *field : {controls_.start, controls_.stop}) {
        connect(field, &TsuiEdit::OnChange, this, [this, field] { suiEdit_StartChange(field); });
        // The user's typing, not a fault of the program: no error report, a plain warning.
        connect(field, &TsuiMaskEdit::OnInvalidInput, this,
                [](const QString &message) { Prompts::Current().Warning(message); });
    }
    for (TsuiEdit *field : {static_cast<TsuiEdit *>(controls_.start), static_cast<TsuiEdit *>(controls_.stop),
                            controls_.dvdName, controls_.outputFolder})
        connect(field, &TsuiEdit::OnExit, this, [this, field] { suiEdit_StartExit(field); });
}

QColor TrimTimes::NormalColour() const
{
    return controls_.outputFolder->color();
}

void TrimTimes::ShowTime(TsuiMaskEdit *field, int seconds)
{
    field->setText(SecondsToText(seconds));
}

void TrimTimes::SetColour(TsuiMaskEdit *field, const QColor &colour)
{
    field->setColor(colour);
}

void TrimTimes::suiEdit_StartChange(TsuiMaskEdit *field)
{
    const TVideoInfo *clip = clips_.CurrentClip();
    if (!clip) {
        SetNormal(field);
        return;
    }
    const int seconds = ParseTimeText(field->text());
    const bool inRange = field == controls_.start ? StartTimeInRange(seconds, clip->EndTime())
                                                  : EndTimeInRange(seconds, clip->StartTime(), clip->Duration());
    SetColour(field, inRange ? NormalColour() : Red);
}

void TrimTimes::suiEdit_StartExit(TsuiEdit *field)
{
    TVideoInfo *clip = clips_.CurrentClip();
    TsuiMaskEdit *time = field == controls_.start ? controls_.start
                         : field == controls_.stop ? controls_.stop
                                                   : nullptr;
    if (time && time->color() == Red) {
        if (!clip)
            time->setText(QString());
        else
            ShowTime(time, time == controls_.start ? clip->StartTime() : clip->EndTime());
        SetNormal(time);
        return;
    }
    if (time) {
        const int seconds = ParseTimeText(time->text());
        if (!clip)
            time->setText(QString());
        else if (time == controls_.start)
            clip->SetStartTime(seconds);
        else
            clip->SetEndTime(seconds);
    }
    showClipRange_(clip);
}
