#pragma once

#include <QMenu>

class QAction;

// The list's popup menu (ListMenu): Remove Select, Clear, a separator and Add clip(s)...; each
// item carries a name by which the chosen command is recognised.
class ClipListMenu : public QMenu {
    Q_OBJECT

public:
    explicit ClipListMenu(QWidget *parent);

    // Enables the items for the list's state.
    void Update(bool anySelected, bool listEmpty);
    QAction *Item(const QString &name) const;

signals:
    void RemoveChosen();
    void ClearChosen();
    void AddChosen();

private:
    void Choose(QAction *item);
};
