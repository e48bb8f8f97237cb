#include "ClipListMenu.h"

ClipListMenu::ClipListMenu(QWidget *parent)
    : QMenu(parent)
{
    setObjectName(QStringLiteral("ListMenu"));
    const struct {
        const char *caption;
        const char *name;
    } items[] = {
        {"Remove Select", "Remove"},
        {"Clear", "Clear"},
        {"-", ""},
        {"Add clip(s)...", "Add"},
    };
    for (const auto &item : items) {
        QAction *action = QString::fromLatin1(item.caption) == u"-"
                              ? addSeparator()
                              : addAction(QString::fromLatin1(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
    }
    connect(this, &QMenu::triggered, this, &ClipListMenu::Choose);
}

QAction *ClipListMenu::Item(const QString &name) const
{
    for (QAction *action : actions())
        if (action->objectName() == name)
            return action;
    return nullptr;
}

void ClipListMenu::Update(bool anySelected, bool listEmpty)
{
    Item(QStringLiteral("Remove"))->setEnabled(anySelected);
    Item(QStringLiteral("Clear"))->setEnabled(!listEmpty);
}

void ClipListMenu::Choose(QAction *item)
{
    const QString name = item->objectName();
    if (name == u"Remove")
        emit RemoveChosen();
    else if (name == u"Clear")
        emit ClearChosen();
    else if (name == u"Add")
        emit AddChosen();
}
