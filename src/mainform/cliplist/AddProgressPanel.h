#pragma once

#include <QWidget>

class QLabel;

// The panel shown while several files are added (Panel_AddProgress): a caption, a bar and the
// percentage done.
class AddProgressPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int Width = 348;
    static constexpr int Height = 71;
    static constexpr int BarWidth = 270;

    explicit AddProgressPanel(QWidget *parent);

    // done of total files are added (ShowAddProgress).
    void ShowProgress(int done, int total);
    int Percent() const;
    int BarFill() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QWidget *bar_ = nullptr;      // Panel_Progress1
    QWidget *fill_ = nullptr;     // Image_Progress
    QLabel *percent_ = nullptr;   // Label_Percent
};
