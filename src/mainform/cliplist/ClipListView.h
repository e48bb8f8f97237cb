#pragma once

#include "skin/SkinPicture.h"
#include "skin/TsuiImagePanel.h"

#include <QHash>

class ClipList;
class ClipRow;
class ClipScrollBar;
class TVideoInfo;

// The list area (Panel_Info): the rows of the clips on a panel that scrolling moves up
// (suiImagePanel_InfoMove), eight rows in sight, and the list's own scroll bar at the right.
// Rows come and go with the clips of the list, which is empty when the view is made; what a
// press or a release means is decided by whoever listens to rowPressed and released.
class ClipListView : public TsuiImagePanel {
    Q_OBJECT

public:
    ClipListView(ClipList &clips, QWidget *parent);

    TsuiImagePanel *infoMove() const { return infoMove_; }
    ClipScrollBar *bar() const { return bar_; }
    ClipRow *rowOf(const TVideoInfo *clip) const;

    // Rows close up at their positions, get the output names of their positions, and the
    // panel and the scroll position follow the number of clips.
    void LayoutRows();
    // Shows the rows that the thumb's place on the track stands for.
    void ScrollRows();
    // The list was cleared: suiImagePanel_InfoMove.Height = 0, and the rows and the thumb go back
    // to the top.
    void collapseRows();
    // Position of the first row in sight.
    int firstVisibleRow() const;
    // Scrolls as little as brings the row at `position` into sight.
    void ScrollToRow(int position);

signals:
    void rowPressed(ClipRow *row);
    // Up (-1) or Down (+1) pressed while the list or one of its rows has the focus.
    void stepPressed(int step);
    // Delete pressed there: the selected rows are to go, as with the Remove button.
    void removePressed();
    // Mouse-up on the list: row is nullptr for the empty part of the list.
    void released(ClipRow *row, Qt::MouseButton button, const QPoint &globalPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Puts the thumb at the first place that shows `first` as the first row in sight.
    void ScrollToFirst(int first);
    void addRow(TVideoInfo *clip, int position);
    void dropRow(TVideoInfo *clip);

    ClipList &clips_;
    TsuiImagePanel *infoMove_ = nullptr;
    ClipScrollBar *bar_ = nullptr;
    SkinPicture ticked_, unticked_;
    QHash<const TVideoInfo *, ClipRow *> rows_;
};
