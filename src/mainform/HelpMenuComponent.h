#pragma once

#include <QObject>

class QAction;
class QMenu;
class QWidget;
class TForm_About;
class TsuiImageButton;

// The help button of the title bar: its popup menu ("Home Page", "Contact us", a separator,
// "About"), made on the first click and opened at the cursor (below the button when the keyboard
// pressed it), and the About box, made on the first "About" and reused. Both belong to the main
// window and go with it.
class HelpMenuComponent : public QObject {
    Q_OBJECT

public:
    HelpMenuComponent(QWidget *window, TsuiImageButton *helpButton);

    QMenu *HelpMenu = nullptr;        // none until the first click
    TForm_About *Form_About = nullptr; // none until the first "About"

    void suiImageButton_HelpClick();
    void ShowAbout();

private:
    void HelpItemClick(QAction *item);

    QWidget *window_;
    TsuiImageButton *helpButton_;
};
