#include "shell/text_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace zarvo {
namespace {

// Opening a converter costs more than most conversions (text is converted a
// character at a time), so each thread keeps one per direction.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  // Ready for a new text: whatever an earlier one left half-converted is dropped.
  iconv_t fresh() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return cd_;
  }

 private:
  iconv_t cd_;
};

iconv_t to_cp932() {
  thread_local Converter converter("CP932", "UTF-8");
  return converter.fresh();
}

iconv_t to_utf8() {
  thread_local Converter converter("UTF-8", "CP932");
  return converter.fresh();
}

// Converts with iconv, replacing what cannot be converted and going on.
std::string convert(std::string_view in, iconv_t cd, std::string_view replacement, size_t skip_on_error, bool* ok) {
  if (ok) *ok = true;
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    if (ok) *ok = false;
    return std::string();
  }
  std::string out;
  out.reserve(in.size() * 2);
  char* src = const_cast<char*>(in.data());
  size_t src_left = in.size();
  char buffer[512];
  while (src_left > 0) {
    char* dst = buffer;
    size_t dst_left = sizeof buffer;
    const size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
    out.append(buffer, sizeof buffer - dst_left);
    if (r != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    // An invalid or truncated sequence: mark it and go on after it.
    if (ok) *ok = false;
    out.append(replacement);
    const size_t step = errno == EILSEQ ? skip_on_error : src_left;
    const size_t n = step < src_left ? step : src_left;
    src += n;
    src_left -= n;
  }
  char* dst = buffer;
  size_t dst_left = sizeof buffer;
  iconv(cd, nullptr, nullptr, &dst, &dst_left);
  out.append(buffer, sizeof buffer - dst_left);
  return out;
}

// Length of the UTF-8 sequence starting with lead byte c (1 for a stray byte).
size_t utf8_length(unsigned char c) {
  if (c >= 0xF0) return 4;
  if (c >= 0xE0) return 3;
  if (c >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::string utf8_to_cp932(std::string_view utf8, bool* ok) {
  std::string out;
  bool all = true;
  // Convert character by character so that one bad character costs only itself.
  size_t i = 0;
  while (i < utf8.size()) {
    size_t n = utf8_length(static_cast<unsigned char>(utf8[i]));
    if (i + n > utf8.size()) n = utf8.size() - i;
    bool char_ok = true;
    const std::string piece = convert(utf8.substr(i, n), to_cp932(), "?", n, &char_ok);
    if (char_ok) {
      out.append(piece);
    } else {
      all = false;
      out.push_back('?');
    }
    i += n;
  }
  if (ok) *ok = all;
  return out;
}

std::string cp932_to_utf8(std::string_view cp932, bool* ok) { return convert(cp932, to_utf8(), "\xEF\xBF\xBD", 1, ok); }

}  // namespace zarvo
