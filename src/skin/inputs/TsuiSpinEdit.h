#pragma once

#include "TsuiEdit.h"

class SpinArrowButton;

// A skinned numeric field whose value lives only in its text, with an up/down button pair
// (15 pixels wide, at the right inside the border). Equal minValue() and maxValue() mean no
// limit. value() reads the text (anything but an integer reads as minValue()); setValue() and the
// steps write the clamped value. Up/Down keys and the buttons step by increment(); a held button
// steps again every 400 ms. Typed characters other than digits, '-' and control characters
// (Enter excepted) are dropped with a beep. Leaving the field writes the clamped value when it
// differs from the text's.
class TsuiSpinEdit : public TsuiEdit {
    Q_OBJECT
public:
    static constexpr int kButtonWidth = 15;

    explicit TsuiSpinEdit(QWidget *parent = nullptr);

    int value() const;
    void setValue(int value);

    int minValue() const { return minValue_; }
    void setMinValue(int value) { minValue_ = value; }
    int maxValue() const { return maxValue_; }
    void setMaxValue(int value) { maxValue_ = value; }
    int increment() const { return increment_; }
    void setIncrement(int value) { increment_ = value; }

    SpinArrowButton *upButton() const { return upButton_; }
    SpinArrowButton *downButton() const { return downButton_; }

public slots:
    void stepUp();
    void stepDown();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool fieldLeaving() override;

private:
    void step(qint64 delta);

    int minValue_ = 0;
    int maxValue_ = 0;
    int increment_ = 1;
    SpinArrowButton *upButton_;
    SpinArrowButton *downButton_;
};
