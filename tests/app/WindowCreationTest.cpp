#include "ScriptedPrompts.h"
#include "WindowCreation.h"

#include <stdexcept>
#include <gtest/gtest.h>

namespace {

TEST(AppWindowCreation, AnExceptionIsShownAndEndsTheStart)
{
    const struct {
        const char *what;
        std::function<void()> create;
        bool created;
        QStringList errors;
    } table[] = {
        {"no exception", [] {}, true, {}},
        {"standard exception", [] { throw std::runtime_error("Unable to write to /x/Option.ini"); }, false,
         {QStringLiteral("Unable to write to /x/Option.ini")}},
        {"other exception", [] { throw 42; }, false, {QString()}},
    };
    for (const auto &row : table) {
        ScriptedPrompts prompts;
        EXPECT_EQ(CreateWindowsOrReport(row.create, prompts), row.created) << row.what;
        EXPECT_EQ(prompts.TextsOf(ScriptedPrompts::Kind::Error), row.errors) << row.what;
    }
}

} // namespace
