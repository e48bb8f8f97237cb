#pragma once

#include "../../src/platform/UrlOpener.h"

#include <QList>
#include <QUrl>

// A URL opener for tests: records every URL instead of opening it. While it lives it is the
// installed opener; the previous one comes back after.
class RecordingUrlOpener : public UrlOpener {
public:
    RecordingUrlOpener();
    ~RecordingUrlOpener() override;

    void Open(const QUrl &url) override { opened_.append(url); }
    const QList<QUrl> &Opened() const { return opened_; }

private:
    UrlOpener *previous_;
    QList<QUrl> opened_;
};
