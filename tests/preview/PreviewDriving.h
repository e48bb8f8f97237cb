#pragma once

#include "mainform/TMainForm.h"
#include "mainform/cliplist/ClipListComponent.h"
#include "mainform/cliplist/ClipListView.h"
#include "mainform/cliplist/ClipRow.h"
#include "skin/TsuiImageButton.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTest>

// Driving the main window's preview as a user does. Mouse events go through the window (the
// tests define QTEST_QPA_MOUSE_HANDLING), so a drag's moves reach the control the press went to.
namespace PreviewDriving {

// Handles what is already posted to the window (the scripted engine posts before it returns).
inline void Settle()
{
    for (int i = 0; i < 4; ++i)
        QCoreApplication::processEvents();
}

inline void PressRow(TMainForm &form, TVideoInfo *clip)
{
    QTest::mousePress(form.ClipListPart()->View()->rowOf(clip), Qt::LeftButton, {}, QPoint(300, 8));
    Settle();
}

// Drags a slider part by dx pixels with the left button and lets it go. Positions are taken in
// the slider's panel, since the dragged part moves under the cursor.
inline void Drag(TMainForm &form, QWidget *part, int dx)
{
    QWidget *panel = form.Panel_Progress;
    const QPoint grip = part->geometry().center();
    QTest::mousePress(part, Qt::LeftButton, {}, part->mapFrom(panel, grip));
    QTest::mouseMove(panel, grip + QPoint(dx / 2, 0));
    QTest::mouseMove(panel, grip + QPoint(dx, 0));
    QTest::mouseRelease(panel, Qt::LeftButton, {}, grip + QPoint(dx, 0));
    Settle();
}

// Moves a marker's left edge to `left` by dragging it.
inline void DragTo(TMainForm &form, TsuiImageButton *marker, int left)
{
    Drag(form, marker, left - marker->x());
}

// "Seeking please wait..." shows.
inline bool Seeking(const TMainForm &form)
{
    return !form.Label_Info->isHidden();
}

} // namespace PreviewDriving
