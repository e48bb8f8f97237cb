#include "EngineLog.h"

#include "FailureReason.h"

extern "C" {
#include <libavutil/log.h>
}

#include <cstdarg>
#include <cstdio>

namespace {
AVClass engineClass()
{
    AVClass c{};
    c.class_name = "DVDEncoder";
    c.item_name = av_default_item_name;
    c.version = LIBAVUTIL_VERSION_INT;
    return c;
}
const AVClass kEngineClass = engineClass();

// The context the engine's own messages are logged with, which is how the filter knows them.
struct EngineLogContext {
    const AVClass *avClass = &kEngineClass;
};
EngineLogContext engineContext;

void filterLog(void *context, int level, const char *format, va_list args)
{
    char line[2048];
    if (context == &engineContext) {
        std::vsnprintf(line, sizeof line, format, args);
        std::fprintf(stderr, "DVDEncoder: %s\n", line);
        return;
    }
    if (level > AV_LOG_FATAL)
        return;
    int printPrefix = 1;
    if (av_log_format_line2(context, level, format, args, line, sizeof line, &printPrefix) >= 0)
        std::fputs(line, stderr);
}
}

void installLogFilter()
{
    av_log_set_level(AV_LOG_ERROR);
    av_log_set_callback(filterLog);
}

void logFailure(const char *operation, const char *stage, const std::string &file, int error)
{
    av_log(&engineContext, AV_LOG_ERROR, "%s failed at %s %s: %s", operation, stage, file.c_str(),
           errorText(error).c_str());
    noteFailureReason(userReason(error));
}
