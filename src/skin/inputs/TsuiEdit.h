#pragma once

#include "skin/inputs/UIStyle.h"

#include <QColor>
#include <QLineEdit>

// A text field with the flat skinned look: no system frame, an outer ring in borderColor() and an
// inner ring in the field's own color(). Read-only and without the focus, a text wider than the
// field (a folder path) shows elided in the middle with "…", and whole in the tooltip.
//
// OnChange: every change of the text, typed or set by the program.
// OnExit: the focus left the field for another control (not a switch to another window).
class TsuiEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TsuiEdit(QWidget *parent = nullptr);

    UIStyle uiStyle() const { return uiStyle_; }
    void setUIStyle(UIStyle style);

    QColor borderColor() const { return borderColor_; }
    void setBorderColor(const QColor &color);

    // The field's background; the inner border ring follows it.
    QColor color() const;
    void setColor(const QColor &color);

    // What the field shows of its text when it is not being edited.
    QString shownText() const;

signals:
    void OnChange();
    void OnExit();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

    // Called when the focus arrives from another control.
    virtual void fieldEntered() {}
    // Called before the focus leaves for another control; false keeps the focus in the field
    // (the override must then take the focus back).
    virtual bool fieldLeaving() { return true; }

    // Room on the right for controls drawn inside the field.
    void setRightReserve(int pixels);

private:
    QRect shownTextArea() const;

    UIStyle uiStyle_ = UIStyle::BlueGlass;
    QColor borderColor_;
    bool entered_ = false;
};
