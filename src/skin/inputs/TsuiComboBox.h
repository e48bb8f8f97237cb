#pragma once

#include "UIStyle.h"

#include <QColor>
#include <QComboBox>

// A drop-down list (no typing) with the flat skinned look: a borderColor() frame with an inner
// ring in color(), and a flat button in buttonColor() with a drawn arrow in arrowColor() (the
// WinXP style shows its own button picture instead). The dropped list is framed in
// borderColor() too.
//
// OnChange: the user picked an entry (by mouse, key or wheel); setting the selection from code
// does not raise it.
class TsuiComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TsuiComboBox(QWidget *parent = nullptr);

    UIStyle uiStyle() const { return uiStyle_; }
    void setUIStyle(UIStyle style);

    QColor borderColor() const { return borderColor_; }
    void setBorderColor(const QColor &color);
    QColor arrowColor() const { return arrowColor_; }
    void setArrowColor(const QColor &color);
    QColor buttonColor() const { return buttonColor_; }
    void setButtonColor(const QColor &color);

    // The field's background, also the background of the dropped list.
    QColor color() const;
    void setColor(const QColor &color);

    void showPopup() override;
    void hidePopup() override;

signals:
    void OnChange();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paintButton(QPainter &painter, const QRect &button) const;
    void paintArrow(QPainter &painter, const QRect &button) const;

    UIStyle uiStyle_ = UIStyle::BlueGlass;
    QColor borderColor_;
    QColor arrowColor_;
    QColor buttonColor_;
    QWidget *framedPopup_ = nullptr;
};
