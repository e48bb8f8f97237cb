#pragma once

#include <QWidget>

// The options dialog: the profile editor and the owner of Option.ini.
class TOptionForm : public QWidget {
    Q_OBJECT

public:
    explicit TOptionForm(QWidget *parent = nullptr);
};
