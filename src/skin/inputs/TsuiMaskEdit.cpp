#include "TsuiMaskEdit.h"

#include "InputBeep.h"

#include <QKeyEvent>

const QString TsuiMaskEdit::kInvalidInputMessage =
    QStringLiteral("Invalid input value.  Use escape key to abandon changes");

TsuiMaskEdit::TsuiMaskEdit(QWidget *parent)
    : TsuiEdit(parent)
{
}

void TsuiMaskEdit::setEditMask(const QString &editMask)
{
    editMask_ = editMask;
    mask_ = EditMask::parse(editMask);
    setInputMask(mask_.qtInputMask());
}

QString TsuiMaskEdit::text() const
{
    return mask_.isEmpty() ? QLineEdit::text() : mask_.textFromDisplay(displayText());
}

void TsuiMaskEdit::setText(const QString &text)
{
    QLineEdit::setText(mask_.isEmpty() ? text : mask_.displayFromText(text));
    textToRestore_ = this->text();
}

void TsuiMaskEdit::clear()
{
    setText(QString());
}

bool TsuiMaskEdit::holdsAcceptableEdit() const
{
    return !isModified() || mask_.firstBlankRequired(displayText()) < 0;
}

void TsuiMaskEdit::refuseInput()
{
    inputBeep();
    if (!hasFocus())
        setFocus(Qt::OtherFocusReason);
    setCursorPosition(mask_.firstBlankRequired(displayText()));
    emit OnInvalidInput(kInvalidInputMessage);
}

void TsuiMaskEdit::fieldEntered()
{
    textToRestore_ = text();
}

bool TsuiMaskEdit::fieldLeaving()
{
    // A field being disabled or hidden cannot keep the focus, so it lets it go.
    if (holdsAcceptableEdit() || !isEnabled() || !isVisible())
        return true;
    refuseInput();
    return false;
}

void TsuiMaskEdit::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!holdsAcceptableEdit()) {
            refuseInput();
            return;
        }
        break;
    case Qt::Key_Escape:
        if (isModified()) {
            setText(textToRestore_);
            return;
        }
        break;
    default:
        break;
    }
    TsuiEdit::keyPressEvent(event);
}
