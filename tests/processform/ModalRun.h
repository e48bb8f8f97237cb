#pragma once

#include "FakeEngineControl.h"
#include "TProcessForm.h"

#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Leaves the conversion window the way a user does once its run is over: with its Close button.
// A run that never ends is freed and the window forced shut, so a failing test cannot hang.
inline void FinishAndClose(TProcessForm &form)
{
    if (!form.isVisible())
        return;
    if (!QTest::qWaitFor([&] { return !form.RunInProgress(); }, 10000)) {
        ADD_FAILURE() << "the run did not end";
        FakeEngine::ReleaseConversion();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !form.RunInProgress(); }, 10000));
    }
    form.suiImageButton_CloseClick();
    if (form.isVisible()) {
        ADD_FAILURE() << "the window stayed open";
        form.hide();
        emit form.Closed();
    }
}

// Runs `during` inside the window's next modal showing (whatever starts it: the caller does that
// next), then finishes and closes it.
inline void WhileShown(TProcessForm &form, std::function<void()> during = {})
{
    QTimer::singleShot(0, &form, [&form, during] {
        if (!QTest::qWaitFor([&] { return form.isVisible(); }, 5000)) {
            ADD_FAILURE() << "the conversion window never showed";
            return;
        }
        if (during)
            during();
        FinishAndClose(form);
    });
}
