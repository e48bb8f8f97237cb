// libFuzzer target: whatever bytes a file holds, probing it and fetching its picture must answer
// 0 or -1 without a crash, a leak or a hang.
#include "DVDEncoder.h"

#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const std::string path = "/dev/shm/pocketreel-fuzz-" + std::to_string(getpid());
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);

    std::string buffer = path + std::string(10, '\0');
    EngineFileInfo info{};
    if (X_GetFileinfo_GetPic(buffer.data(), 10, &info) == 0) {
        const uint8_t *pixels = nullptr;
        int32_t second = 0;
        X_Get_Frame(240, 180, "2.bmp", &pixels, &second);
        X_Get_Frame(7, 3, nullptr, &pixels, &second);
    }
    return 0;
}
