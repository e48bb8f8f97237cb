#pragma once

#include <QLabel>

// A one-line label for texts of any length (a path, a clip name): a text wider than the label is
// shown elided with "…" and whole in the label's tooltip. text() stays the whole text.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget *parent = nullptr, Qt::TextElideMode mode = Qt::ElideRight);

    // The text as it shows: whole when it fits (blanks at its end left out), else elided.
    QString shownText() const;
    bool isElided() const;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    Qt::TextElideMode mode_;
};
