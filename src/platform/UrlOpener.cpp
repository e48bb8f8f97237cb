#include "UrlOpener.h"

#include <QDebug>
#include <QUrl>
#include <atomic>

namespace {
std::atomic<UrlOpener *> installed{nullptr};
}

UrlOpener *UrlOpener::Installed()
{
    return installed.load();
}

void UrlOpener::Install(UrlOpener *opener)
{
    installed.store(opener);
}

void OpenUrl(const QUrl &url)
{
    if (UrlOpener *opener = installed.load())
        opener->Open(url);
    else
        qWarning() << "no URL opener installed; not opening" << url.toString();
}
