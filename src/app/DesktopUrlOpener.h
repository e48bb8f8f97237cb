#pragma once

#include "platform/UrlOpener.h"

// Hands URLs to the desktop (xdg-open and its kin). Whether a program took the URL is not known
// to the user either way: a failure is only logged.
class DesktopUrlOpener : public UrlOpener {
public:
    void Open(const QUrl &url) override;
};
