#include "TsuiMaskEdit.h"

#include "InputBeep.h"

#include <QKeyEvent>
#include <utility>

const QString TsuiMaskEdit::kInvalidInputMessage =
    QStringLiteral("Invalid input value.  Use escape key to abandon changes");

TsuiMaskEdit::TsuiMaskEdit(QWidget *parent)
    : TsuiEdit(parent)
{
    // QLineEdit announces a user's edit with textEdited just before the textChanged that every
    // change raises; a textChanged without it is the program's.
    connect(this, &QLineEdit::textEdited, this, [this] { editAnnounced_ = true; });
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (std::exchange(editAnnounced_, false)) {
            userEdited_ = true;
        } else {
            textToRestore_ = text();
            userEdited_ = false;
        }
    });
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
}

bool TsuiMaskEdit::holdsAcceptableEdit() const
{
    return !userEdited_ || mask_.firstBlankRequired(displayText()) < 0;
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
    userEdited_ = false;
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
        if (userEdited_) {
            setText(textToRestore_);
            userEdited_ = false;  // also when the restored text equals the edited one
            return;
        }
        break;
    default:
        break;
    }
    TsuiEdit::keyPressEvent(event);
}
