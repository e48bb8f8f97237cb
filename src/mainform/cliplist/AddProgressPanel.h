#pragma once

#include <QWidget>

class QLabel;
class PictureBox;

// The panel shown while several files are added (Panel_AddProgress): a caption, a bar and the
// percentage done, on the generated panel picture.
class AddProgressPanel : public QWidget {
    Q_OBJECT

public:
    explicit AddProgressPanel(QWidget *parent);

    // done of total files are added.
    void ShowAddProgress(int done, int total);
    int percent() const;
    int barFill() const;

private:
    PictureBox *fill_ = nullptr;  // Image_Progress
    QLabel *percent_ = nullptr;   // Label_Percent
};
