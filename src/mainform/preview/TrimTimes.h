#pragma once

#include <QColor>
#include <QObject>
#include <functional>

class ClipList;
class TsuiEdit;
class TsuiMaskEdit;
class TVideoInfo;

// The start and end time fields: the range check that turns a field red while its text is out of
// range, the commit when the focus leaves one of the four fields that share it, and the colours a
// slider drag gives the time fields. A typed time is stored only on leaving its field.
class TrimTimes : public QObject {
    Q_OBJECT

public:
    struct Controls {
        TsuiMaskEdit *start = nullptr;        // suiEdit_Start
        TsuiMaskEdit *stop = nullptr;         // suiEdit_Stop
        TsuiEdit *outputFolder = nullptr;     // suiEdit_OutputFolder: its colour is the normal one
        TsuiEdit *dvdName = nullptr;          // suiEdit_DVDName
    };

    static const QColor Red;
    static const QColor Lime;

    // showClipRange places the slider's markers from a clip's stored times (none: reset).
    TrimTimes(ClipList &clips, const Controls &controls, std::function<void(TVideoInfo *)> showClipRange,
              QObject *parent = nullptr);

    TsuiMaskEdit *Start() const { return controls_.start; }
    TsuiMaskEdit *Stop() const { return controls_.stop; }
    QColor NormalColour() const;

    void ShowTime(TsuiMaskEdit *field, int seconds);
    void SetColour(TsuiMaskEdit *field, const QColor &colour);
    void SetNormal(TsuiMaskEdit *field) { SetColour(field, NormalColour()); }

    void suiEdit_StartChange(TsuiMaskEdit *field);
    void suiEdit_StartExit(TsuiEdit *field);

private:
    ClipList &clips_;
    Controls controls_;
    std::function<void(TVideoInfo *)> showClipRange_;
};
