#include "JpegWriter.h"

#include <cstdio>
#include <cstdlib>
#include <csetjmp>
#include <jpeglib.h>

namespace {
struct ErrorJump {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void onJpegError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorJump *>(info->err)->jump, 1);
}

// libjpeg's output buffer; it lives outside compress(), whose frame a longjmp leaves.
struct Output {
    unsigned char *data = nullptr;
    unsigned long size = 0;
};

// Only plain data lives in this frame: libjpeg reports errors with longjmp.
bool compress(Output &output, const uint8_t *bgr, int width, int height, size_t stride)
{
    jpeg_compress_struct info{};
    ErrorJump error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = onJpegError;
    if (setjmp(error.jump)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &output.data, &output.size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_EXT_BGR;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    info.dct_method = JDCT_FLOAT;
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uint8_t *>(bgr + static_cast<size_t>(info.next_scanline) * stride);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}
}

std::vector<uint8_t> encodeJpeg(const uint8_t *bgr, int width, int height, size_t stride)
{
    if (!bgr || width <= 0 || height <= 0 || stride < static_cast<size_t>(width) * 3)
        return {};
    Output output;
    const bool ok = compress(output, bgr, width, height, stride);
    std::vector<uint8_t> bytes;
    if (ok && output.data)
        bytes.assign(output.data, output.data + output.size);
    std::free(output.data);
    return bytes;
}

bool writeJpeg(const std::string &path, const uint8_t *bgr, int width, int height)
{
    const std::vector<uint8_t> bytes = encodeJpeg(bgr, width, height, static_cast<size_t>(width) * 3);
    if (bytes.empty())
        return false;
    const std::string part = path + ".part";
    std::FILE *file = std::fopen(part.c_str(), "wb");
    if (!file)
        return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok = std::fflush(file) == 0 && ok;
    ok = std::fclose(file) == 0 && ok;
    if (ok && std::rename(part.c_str(), path.c_str()) == 0)
        return true;
    std::remove(part.c_str());
    return false;
}
