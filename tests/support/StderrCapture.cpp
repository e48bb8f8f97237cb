#include "StderrCapture.h"

#include <unistd.h>

StderrCapture::StderrCapture()
    : file_(std::tmpfile())
{
    std::fflush(stderr);
    saved_ = ::dup(STDERR_FILENO);
    if (file_ && saved_ >= 0)
        ::dup2(::fileno(file_), STDERR_FILENO);
}

StderrCapture::~StderrCapture()
{
    const QByteArray captured = Text();
    if (saved_ >= 0) {
        ::dup2(saved_, STDERR_FILENO);
        ::close(saved_);
    }
    if (file_)
        std::fclose(file_);
    std::fwrite(captured.constData(), 1, size_t(captured.size()), stderr);
}

QByteArray StderrCapture::Text() const
{
    if (!file_)
        return {};
    std::fflush(stderr);
    QByteArray text;
    char buffer[4096];
    const int fd = ::fileno(file_);
    for (off_t at = 0;;) {
        const ssize_t got = ::pread(fd, buffer, sizeof buffer, at);
        if (got <= 0)
            break;
        text.append(buffer, got);
        at += got;
    }
    return text;
}
