#pragma once

class QUrl;

// The desktop's "open" of a URL: a web page in the browser, a mailto: URL in the mail program.
// main() installs the real one; tests install one that records, so no test opens a real URL.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void Open(const QUrl &url) = 0;

    // Install does not take ownership; nullptr uninstalls.
    static UrlOpener *Installed();
    static void Install(UrlOpener *opener);
};

// Opens url with the installed opener. With none installed the URL is only logged.
void OpenUrl(const QUrl &url);
