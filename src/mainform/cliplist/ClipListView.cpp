#include "ClipListView.h"

#include "core/ClipList.h"
#include "ClipListPictures.h"
#include "ClipRow.h"
#include "ClipScrollBar.h"

#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

ClipListView::ClipListView(ClipList &clips, QWidget *parent)
    : TsuiImagePanel(parent), clips_(clips), ticked_(TickedPicture()), unticked_(UntickedPicture())
{
    setObjectName(QStringLiteral("Panel_Info"));
    resize(Width, Height);
    infoMove_ = new TsuiImagePanel(this);
    infoMove_->setObjectName(QStringLiteral("suiImagePanel_InfoMove"));
    infoMove_->setGeometry(0, 0, InfoMoveWidth, 0);
    bar_ = new ClipScrollBar(this);
    bar_->move(Width - ClipScrollBar::Width, 0);
    connect(bar_, &ClipScrollBar::ThumbMoved, this, &ClipListView::ScrollRows);
    connect(&clips_, &ClipList::ClipAppended, this, &ClipListView::AddRow);
    connect(&clips_, &ClipList::ClipAboutToBeRemoved, this, &ClipListView::DropRow);
}

ClipRow *ClipListView::RowOf(const TVideoInfo *clip) const
{
    return rows_.value(clip, nullptr);
}

void ClipListView::AddRow(TVideoInfo *clip, int position)
{
    auto *row = new ClipRow(clip, ticked_, unticked_, infoMove_);
    row->move(0, ClipRow::Pitch * position);
    row->EnsureTickCell();
    rows_.insert(clip, row);
    connect(row, &ClipRow::Pressed, this, &ClipListView::RowPressed);
    connect(row, &ClipRow::Released, this, &ClipListView::Released);
    infoMove_->resize(InfoMoveWidth, row->y() + ClipRow::Height);
    row->show();
}

void ClipListView::DropRow(TVideoInfo *clip)
{
    ClipRow *row = rows_.take(clip);
    if (!row)
        return;
    // The row may be the one whose mouse handler is running (its popup menu removed it).
    row->Detach();
    row->hide();
    row->deleteLater();
}

void ClipListView::LayoutRows()
{
    const QList<TVideoInfo *> clips = clips_.Clips();
    for (int i = 0; i < clips.size(); ++i) {
        ClipRow *row = RowOf(clips.at(i));
        if (!row)
            continue;
        row->EnsureTickCell();
        if (row->y() != ClipRow::Pitch * i)
            row->move(0, ClipRow::Pitch * i);
    }
    clips_.RenameAllClips();
    infoMove_->resize(InfoMoveWidth, ClipRow::Pitch * int(clips.size()));
    ScrollRows();
}

void ClipListView::CollapseRows()
{
    // Clips added next start at the top; a panel left scrolled would hide them above the view.
    infoMove_->setGeometry(0, 0, InfoMoveWidth, 0);
    bar_->SetThumbTop(ClipScrollBar::ThumbMin);
}

int ClipListView::FirstVisibleRow() const
{
    return -infoMove_->y() / ClipRow::Pitch;
}

void ClipListView::ScrollRows()
{
    const int count = clips_.Count();
    if (count <= VisibleRows) {
        infoMove_->move(0, 0);
        return;
    }
    const int first = (count - VisibleRows) * (bar_->ThumbTop() - ClipScrollBar::ThumbMin)
                      / ClipScrollBar::Travel;
    if (infoMove_->y() == -ClipRow::Pitch * first)
        return;
    infoMove_->move(0, -ClipRow::Pitch * first);
    infoMove_->repaint();
}

void ClipListView::wheelEvent(QWheelEvent *event)
{
    // One row a notch: the thumb goes to the first place that shows the next row.
    event->accept();
    const int hidden = clips_.Count() - VisibleRows;
    const int notches = event->angleDelta().y() / 120;
    if (hidden <= 0 || notches == 0)
        return;
    const int first = std::clamp(FirstVisibleRow() - notches, 0, hidden);
    bar_->SetThumbTop(ClipScrollBar::ThumbMin + (first * ClipScrollBar::Travel + hidden - 1) / hidden);
    ScrollRows();
}

void ClipListView::mousePressEvent(QMouseEvent *event)
{
    // Taken, so that the release comes back here.
    event->accept();
}

void ClipListView::mouseReleaseEvent(QMouseEvent *event)
{
    emit Released(nullptr, event->button(), event->globalPosition().toPoint());
}
