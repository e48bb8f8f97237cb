#pragma once

#include "TsuiImagePanel.h"
#include "core/TVideoInfo.h"

#include <QImage>
#include <QPointer>

class QLabel;
class TLabelInfo;

// The row that shows one clip: tick picture and labels at the list's columns. Its labels follow
// the clip's texts (each label comes into being when its text is first set); the row is opaque
// silver while the clip is selected and lets the striped list background through otherwise.
class ClipRow : public TsuiImagePanel {
    Q_OBJECT

public:
    static constexpr int Width = 792;
    static constexpr int Height = 17;
    static constexpr int Pitch = 18;   // one pixel of background between rows

    ClipRow(TVideoInfo *clip, const QImage &ticked, const QImage &unticked, QWidget *parent);

    TVideoInfo *Clip() const { return clip_; }
    // The clip is about to be freed: the row shows nothing of it any more.
    void Detach();

    void EnsureTickCell();
    bool IsHighlighted() const { return !transparent(); }
    QLabel *TickImage() const { return tickImage_; }
    // The label of a clip text by its name ("NameLabel", "LengthLabel", ...); nullptr until made.
    TLabelInfo *Label(const char *name) const;

signals:
    void Pressed(ClipRow *row);
    void Released(ClipRow *row, Qt::MouseButton button, const QPoint &globalPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void FollowClip();
    void ShowText(const char *name, int left, int width, const QString &text);

    QPointer<TVideoInfo> clip_;
    QImage ticked_, unticked_;
    QLabel *tickImage_ = nullptr;
    QLabel *tickCell_ = nullptr;
};
