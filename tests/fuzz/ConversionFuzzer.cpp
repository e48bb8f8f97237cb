// libFuzzer target: whatever bytes a source holds, a short conversion (at most a second of
// output) and its thumbnail end in 0 or -1 without a crash, a leak or a hang; 0 leaves the file,
// -1 leaves nothing, and never a .part file. The input's length picks the video format, so both
// encoders see every kind of input.
#include "DVDEncoder.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool exists(const std::string &path)
{
    struct stat facts;
    return ::stat(path.c_str(), &facts) == 0;
}

void write(const std::string &path, const uint8_t *data, size_t size)
{
    if (std::FILE *f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(data, 1, size, f);
        std::fclose(f);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string base = "/dev/shm/pocketreel-conversion-fuzz-" + std::to_string(::getpid());
    const std::string source = base + ".src", output = base + ".MP4", thumbnail = base + ".THM";
    write(source, data, size);
    const char *format = size % 2 ? "mpeg4" : "h264";

    const int32_t converted = X_SetPar_D2PSP(nullptr, 2, source.c_str(), "0", "0", "48000", "1:1", format, "384", "64",
                                             "160:120", "320:240", "Fuzz", "29.97", "0", "-1", output.c_str(), "3", "1",
                                             20080808);
    if ((converted != 0 && converted != -1) || exists(output) != (converted == 0) || exists(output + ".part"))
        __builtin_trap();
    const int32_t thumbnailed =
        X_Get_Frame_JPEG(nullptr, 2, source.c_str(), "0", "0", "160:120", thumbnail.c_str(), 20080808);
    if (thumbnailed != 0 && thumbnailed != -1)
        __builtin_trap();
    std::remove(output.c_str());
    std::remove(thumbnail.c_str());
    return 0;
}
