#include "InputBeep.h"

#include <QApplication>
#include <utility>

namespace {
std::function<void()> &currentSound()
{
    static std::function<void()> sound;
    return sound;
}
}

void inputBeep()
{
    if (currentSound())
        currentSound()();
    else
        QApplication::beep();
}

std::function<void()> replaceInputBeep(std::function<void()> sound)
{
    return std::exchange(currentSound(), std::move(sound));
}
