#include "WindowCreation.h"

#include "platform/Prompts.h"

#include <exception>

bool CreateWindowsOrReport(const std::function<void()> &create, Prompts &prompts)
{
    try {
        create();
        return true;
    } catch (const std::exception &error) {
        prompts.Error(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        prompts.Error(QString());
    }
    return false;
}
