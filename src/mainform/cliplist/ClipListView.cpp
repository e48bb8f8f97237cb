#include "mainform/cliplist/ClipListView.h"

#include "core/ClipList.h"
#include "mainform/cliplist/ClipRow.h"
#include "mainform/cliplist/ClipScrollBar.h"
#include "skin/SkinPictures.h"
#include "skin/art/SkinLayout.h"
#include "skin/art/SkinPictureNames.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

namespace L = MainFormLayout;

ClipListView::ClipListView(ClipList &clips, QWidget *parent)
    : TsuiImagePanel(parent), clips_(clips)
{
    setObjectName(QStringLiteral("Panel_Info"));
    resize(L::Panel_Info.size());
    // Image_Chk holds both boxes: unticked at the left, ticked at the right.
    const SkinPicture boxes = skinPicture(QLatin1String(SkinPictureName::Chk));
    unticked_ = boxes.copy(QRect(QPoint(0, 0), L::TickBox));
    ticked_ = boxes.copy(QRect(QPoint(L::TickBox.width(), 0), L::TickBox));
    infoMove_ = new TsuiImagePanel(this);
    infoMove_->setObjectName(QStringLiteral("suiImagePanel_InfoMove"));
    infoMove_->setGeometry(L::InfoMove);
    bar_ = new ClipScrollBar(this);
    bar_->move(L::Panel_Bar.topLeft());
    connect(bar_, &ClipScrollBar::thumbMoved, this, &ClipListView::ScrollRows);
    connect(&clips_, &ClipList::ClipAppended, this, &ClipListView::addRow);
    connect(&clips_, &ClipList::ClipAboutToBeRemoved, this, &ClipListView::dropRow);
}

ClipRow *ClipListView::rowOf(const TVideoInfo *clip) const
{
    return rows_.value(clip, nullptr);
}

void ClipListView::addRow(TVideoInfo *clip, int position)
{
    auto *row = new ClipRow(clip, ticked_, unticked_, infoMove_);
    row->move(0, L::RowPitch * position);
    row->EnsureTickCell();
    rows_.insert(clip, row);
    connect(row, &ClipRow::pressed, this, &ClipListView::rowPressed);
    connect(row, &ClipRow::released, this, &ClipListView::released);
    infoMove_->resize(L::InfoMove.width(), row->y() + L::RowHeight);
    row->show();
}

void ClipListView::dropRow(TVideoInfo *clip)
{
    ClipRow *row = rows_.take(clip);
    if (!row)
        return;
    // The row may be the one whose mouse handler is running (its popup menu removed it).
    row->detach();
    row->hide();
    row->deleteLater();
}

void ClipListView::LayoutRows()
{
    const QList<TVideoInfo *> clips = clips_.Clips();
    for (int i = 0; i < clips.size(); ++i) {
        ClipRow *row = rowOf(clips.at(i));
        if (!row)
            continue;
        row->EnsureTickCell();
        if (row->y() != L::RowPitch * i)
            row->move(0, L::RowPitch * i);
    }
    clips_.RenameAllClips();
    infoMove_->resize(L::InfoMove.width(), L::RowPitch * int(clips.size()));
    ScrollRows();
}

void ClipListView::collapseRows()
{
    // Clips added next start at the top; a panel left scrolled would hide them above the view.
    infoMove_->setGeometry(L::InfoMove);
    bar_->setThumbTop(ClipScrollBar::ThumbMin);
}

int ClipListView::firstVisibleRow() const
{
    return -infoMove_->y() / L::RowPitch;
}

void ClipListView::ScrollRows()
{
    const int count = clips_.Count();
    if (count <= L::VisibleRows) {
        infoMove_->move(0, 0);
        return;
    }
    const int first = (count - L::VisibleRows) * (bar_->thumbTop() - ClipScrollBar::ThumbMin) / ClipScrollBar::Travel;
    if (infoMove_->y() == -L::RowPitch * first)
        return;
    infoMove_->move(0, -L::RowPitch * first);
    infoMove_->repaint();
}

void ClipListView::ScrollToFirst(int first)
{
    const int hidden = clips_.Count() - L::VisibleRows;
    if (hidden <= 0)
        return;
    first = std::clamp(first, 0, hidden);
    bar_->setThumbTop(ClipScrollBar::ThumbMin + (first * ClipScrollBar::Travel + hidden - 1) / hidden);
    ScrollRows();
}

void ClipListView::ScrollToRow(int position)
{
    const int first = firstVisibleRow();
    if (position < first)
        ScrollToFirst(position);
    else if (position >= first + L::VisibleRows)
        ScrollToFirst(position - L::VisibleRows + 1);
}

void ClipListView::wheelEvent(QWheelEvent *event)
{
    // One row a notch: the thumb goes to the first place that shows the next row.
    event->accept();
    const int notches = event->angleDelta().y() / 120;
    if (notches != 0)
        ScrollToFirst(firstVisibleRow() - notches);
}

// A focused row passes the keys it does not handle on to the list.
void ClipListView::keyPressEvent(QKeyEvent *event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        emit stepPressed(event->key() == Qt::Key_Up ? -1 : 1);
        return;
    }
    if (plain && event->key() == Qt::Key_Delete) {
        emit removePressed();
        return;
    }
    TsuiImagePanel::keyPressEvent(event);
}

void ClipListView::mousePressEvent(QMouseEvent *event)
{
    // Taken, so that the release comes back here.
    event->accept();
}

void ClipListView::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(nullptr, event->button(), event->globalPosition().toPoint());
}
