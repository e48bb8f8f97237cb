#pragma once

#include <QDialog>

class QLabel;
class TsuiImageButton;
class TsuiSkinForm;

// The About box: the product's picture with its name, maker and web site, and the version. A
// frameless skinned dialog, made once by the help menu and shown modally for every "About"; the
// version label is filled at each showing.
class TForm_About : public QDialog {
    Q_OBJECT

public:
    explicit TForm_About(QWidget *owner = nullptr);

    // Centred on the screen before each showing.
    void setVisible(bool visible) override;

    TsuiSkinForm *Skin() const { return skin_; }

    QLabel *Label_Version = nullptr;
    TsuiImageButton *suiButton2 = nullptr;  // "Close"

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void suiButton2Click();

    TsuiSkinForm *skin_ = nullptr;
};
