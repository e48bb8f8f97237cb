#include "HandlerError.h"

#include "platform/Prompts.h"

void ReportHandlerError(const QString &message)
{
    Prompts::Current().Error(message);
}
