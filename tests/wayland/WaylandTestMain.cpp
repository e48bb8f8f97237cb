// The suite runs on Wayland: before the application is made, a headless Weston starts and this
// process becomes its client. Where no compositor can start, the application is made offscreen
// and every case skips, saying why.

#include "HeadlessWeston.h"
#include "WaylandCompositor.h"

#include "ReportingApplication.h"

#include <QFile>
#include <gtest/gtest.h>
#include <memory>

namespace {
HeadlessWeston *compositor = nullptr;
}

HeadlessWeston *WaylandCompositor()
{
    return compositor;
}

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<HeadlessWeston> weston;
    // Listing the cases needs no compositor.
    if (!GTEST_FLAG_GET(list_tests)) {
        weston = std::make_unique<HeadlessWeston>();
        compositor = weston.get();
    }
    if (weston && weston->running()) {
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(weston->runtimeFolder()));
        qputenv("WAYLAND_DISPLAY", weston->socketName().toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "wayland");
        // The headless backend has no input devices, so no seat, and Qt's Wayland text input
        // then crashes when a line edit draws its cursor; a desktop always has a seat. Input
        // goes straight to the widgets here, through the compose input method.
        qputenv("QT_IM_MODULE", "compose");
    } else {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int status = 0;
    {
        ReportingApplication app(argc, argv);
        status = RUN_ALL_TESTS();
    }
    compositor = nullptr;
    return status;
}
