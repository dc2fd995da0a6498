// Conversion between the program's UTF-8 text and the Shift-JIS (CP932) of the
// settings and record files. Used at the file boundary only.
#pragma once

#include <string>
#include <string_view>

namespace zarvo {

// UTF-8 to CP932. Characters CP932 cannot hold become "?"; ok is set false then.
std::string utf8_to_cp932(std::string_view utf8, bool* ok = nullptr);
// CP932 to UTF-8. Bytes that do not decode become U+FFFD; ok is set false then.
std::string cp932_to_utf8(std::string_view cp932, bool* ok = nullptr);

}  // namespace zarvo
