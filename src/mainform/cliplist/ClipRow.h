#pragma once

#include "core/TVideoInfo.h"
#include "skin/SkinPicture.h"
#include "skin/TsuiImagePanel.h"

#include <QPointer>
#include <QRect>

class PictureBox;
class QLabel;
class TLabelInfo;

// The row that shows one clip: tick picture and labels in the list's columns. Its labels follow
// the clip's texts (each label comes into being when its text is first set); the row is opaque
// silver while the clip is selected and lets the striped list background through otherwise.
class ClipRow : public TsuiImagePanel {
    Q_OBJECT

public:
    ClipRow(TVideoInfo *clip, const SkinPicture &ticked, const SkinPicture &unticked, QWidget *parent);

    TVideoInfo *clip() const { return clip_; }
    // The clip is about to be freed: the row shows nothing of it any more.
    void detach();

    void EnsureTickCell();
    bool isHighlighted() const { return !transparent(); }
    PictureBox *TickImage() const { return tickImage_; }
    // The label of a clip text by its name ("NameLabel", "LengthLabel", ...); nullptr until made.
    TLabelInfo *label(const char *name) const;

signals:
    void pressed(ClipRow *row);
    void released(ClipRow *row, Qt::MouseButton button, const QPoint &globalPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void followClip();
    void showText(const char *name, const QRect &place, const QString &text);

    QPointer<TVideoInfo> clip_;
    SkinPicture ticked_, unticked_;
    PictureBox *tickImage_ = nullptr;
    QLabel *tickCell_ = nullptr;
};
