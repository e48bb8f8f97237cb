// The character set of a subtitle file: Unicode, or the legacy one its language was written in.
#pragma once

#include <string>
#include <string_view>

// True for UTF-8, also with a few bad bytes among its multi-byte characters.
bool readsAsUtf8(std::string_view bytes);

// The iconv name of the character set `bytes` are in: "" for Unicode (UTF-8 as readsAsUtf8 says,
// or UTF-16 with its byte order mark, which FFmpeg reads itself), else the Windows code page of
// `language` (ISO 639-1 or 639-2, any case; Western European when unknown).
std::string legacyTextEncoding(std::string_view bytes, const std::string &language);
