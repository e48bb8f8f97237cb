#include "DesktopUrlOpener.h"

#include <QDebug>
#include <QDesktopServices>
#include <QUrl>

void DesktopUrlOpener::Open(const QUrl &url)
{
    if (!QDesktopServices::openUrl(url))
        qWarning() << "no program opened" << url.toString();
}
