#include "LogCapture.h"

#include <QStringList>

namespace {

QList<LogCapture::Entry> &entries()
{
    static QList<LogCapture::Entry> recorded;
    return recorded;
}

void record(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    entries().append({type, QString::fromLatin1(context.category), message});
}

} // namespace

LogCapture::LogCapture()
    : previous_(qInstallMessageHandler(record))
{
    entries().clear();
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(previous_);
}

const QList<LogCapture::Entry> &LogCapture::Entries() const
{
    return entries();
}

QStringList LogCapture::MessagesOf(const QString &category, QtMsgType type) const
{
    QStringList found;
    for (const Entry &entry : entries())
        if (entry.category == category && entry.type == type)
            found.append(entry.message);
    return found;
}
