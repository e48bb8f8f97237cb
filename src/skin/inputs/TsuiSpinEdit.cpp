#include "TsuiSpinEdit.h"

#include "InputBeep.h"
#include "SpinArrowButton.h"
#include "SpinValue.h"

#include <QKeyEvent>

namespace {
constexpr int kBorderArea = 2;
constexpr int kTextGap = 2;
}

TsuiSpinEdit::TsuiSpinEdit(QWidget *parent)
    : TsuiEdit(parent)
    , upButton_(new SpinArrowButton(SpinArrowButton::Direction::Up, this))
    , downButton_(new SpinArrowButton(SpinArrowButton::Direction::Down, this))
{
    setRightReserve(kButtonWidth + kTextGap);
    connect(upButton_, &SpinArrowButton::stepRequested, this, &TsuiSpinEdit::stepUp);
    connect(downButton_, &SpinArrowButton::stepRequested, this, &TsuiSpinEdit::stepDown);
    for (SpinArrowButton *button : {upButton_, downButton_})
        connect(button, &SpinArrowButton::pressStarted, this, [this] { setFocus(Qt::MouseFocusReason); });
}

int TsuiSpinEdit::value() const
{
    return spinValueFromText(text(), minValue_);
}

void TsuiSpinEdit::setValue(int value)
{
    setText(QString::number(clampSpinValue(value, minValue_, maxValue_)));
}

void TsuiSpinEdit::stepUp()
{
    step(increment_);
}

void TsuiSpinEdit::stepDown()
{
    step(-qint64(increment_));
}

void TsuiSpinEdit::step(qint64 delta)
{
    if (isReadOnly()) {
        inputBeep();
        return;
    }
    setText(QString::number(clampSpinValue(value() + delta, minValue_, maxValue_)));
}

void TsuiSpinEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Up) {
        stepUp();
        return;
    }
    if (event->key() == Qt::Key_Down) {
        stepDown();
        return;
    }
    const QString typed = event->text();
    if (!typed.isEmpty() && !spinAcceptsCharacter(typed.front())) {
        inputBeep();
        return;
    }
    TsuiEdit::keyPressEvent(event);
}

void TsuiSpinEdit::resizeEvent(QResizeEvent *event)
{
    TsuiEdit::resizeEvent(event);
    const int left = width() - kBorderArea - kButtonWidth;
    const int inner = height() - 2 * kBorderArea;
    const int upHeight = inner / 2;
    upButton_->setGeometry(left, kBorderArea, kButtonWidth, upHeight);
    downButton_->setGeometry(left, kBorderArea + upHeight, kButtonWidth, inner - upHeight);
}

bool TsuiSpinEdit::fieldLeaving()
{
    const int current = value();
    const int clamped = clampSpinValue(current, minValue_, maxValue_);
    if (clamped != current)
        setText(QString::number(clamped));
    return true;
}
