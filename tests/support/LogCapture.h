#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// Records what the program logs while it lives, instead of printing it; the previous message
// handler comes back after. Debug messages are recorded only where their category is enabled.
class LogCapture {
public:
    struct Entry {
        QtMsgType type;
        QString category;
        QString message;
    };

    LogCapture();
    ~LogCapture();

    const QList<Entry> &Entries() const;
    // Messages of one category at one level.
    QStringList MessagesOf(const QString &category, QtMsgType type) const;

private:
    QtMessageHandler previous_;
};
