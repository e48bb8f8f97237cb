#include "Commands.h"

#include "CliArguments.h"
#include "ConvertCommand.h"
#include "ProbeCommand.h"
#include "ProfilesCommand.h"
#include "UploadCommand.h"

#include <cstdio>

namespace {

template <class... Visits> struct Overloaded : Visits... {
    using Visits::operator()...;
};

} // namespace

int RunCommandLine(const QStringList &arguments)
{
    return std::visit(Overloaded{
                          [](const Answer &answer) {
                              std::fputs(answer.text.toLocal8Bit().constData(), answer.status == 0 ? stdout : stderr);
                              return answer.status;
                          },
                          [](const ConvertRequest &request) { return RunConvert(request); },
                          [](const UploadRequest &request) { return RunUpload(request); },
                          [](const ProbeRequest &request) { return RunProbe(request); },
                          [](const ProfilesRequest &) { return RunProfiles(); },
                      },
                      ParseArguments(arguments));
}
