#pragma once

#include <QImage>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

#include <sys/types.h>

// Debian's Weston compositor with its headless backend, drawing with pixman, for running the
// program on Wayland in a test: in a runtime folder of its own (mode 0700, as Wayland requires),
// with a flat background, no panel and no animations so that a screenshot shows the windows as they
// are on one known colour, and with --debug, without which weston-screenshooter takes none.
class HeadlessWeston {
public:
    static constexpr QRgb Background = 0xFF204060;
    static constexpr QSize Output{1400, 900};

    // Starts the compositor and waits until it takes clients.
    HeadlessWeston();
    ~HeadlessWeston();
    HeadlessWeston(const HeadlessWeston &) = delete;
    HeadlessWeston &operator=(const HeadlessWeston &) = delete;

    bool running() const { return pid_ > 0; }
    // Why it is not running: the start failed, with the end of what it said.
    const QString &failure() const { return failure_; }
    // What a client sets XDG_RUNTIME_DIR and WAYLAND_DISPLAY to.
    QString runtimeFolder() const { return runtime_.path(); }
    QString socketName() const;

    // The whole output as the compositor shows it; a null image, with *why set, when no
    // screenshot could be taken.
    QImage screenshot(QString *why) const;

private:
    void fail(const QString &why);
    void stop();

    QTemporaryDir runtime_;
    pid_t pid_ = -1;
    QString failure_;
};
