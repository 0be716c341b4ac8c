#include "core/text/str_to_int.h"

#include <charconv>
#include <string>

#include "core/text/errors.h"
#include "core/text/gbk.h"

namespace telqor {
namespace {

// Sign, base and magnitude of an integer text; nullopt when the text is no integer or its
// magnitude needs more than 64 bits.
struct Magnitude {
  bool negative = false;
  bool hex = false;
  uint64_t value = 0;
};

std::optional<Magnitude> Digits(std::string_view s) {
  Magnitude m;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    m.negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (!s.empty() && s.front() == '$') {
    m.hex = true;
    s.remove_prefix(1);
  } else if (s.size() > 1 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    m.hex = true;
    s.remove_prefix(2);
  }
  // from_chars would take a second sign; the digits must start at once.
  if (s.empty() || s.front() == '-' || s.front() == '+') return std::nullopt;
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), m.value, m.hex ? 16 : 10);
  if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return m;
}

// The text is item data or typed input (GBK, or UTF-8 from a command line); the message is UTF-8.
[[noreturn]] void Invalid(std::string_view text) {
  throw ConvertError("'" + QuotedText(text) + "' is not a valid integer value");
}

// The value within [-2^63, 2^63 - 1], or an error.
int64_t Parse64(std::string_view text) {
  std::string_view s = text;
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  auto m = Digits(s);
  if (!m) Invalid(text);
  const uint64_t limit = m->negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
  if (m->value > limit) Invalid(text);
  return m->negative ? static_cast<int64_t>(0 - m->value) : static_cast<int64_t>(m->value);
}

}  // namespace

int64_t StrToInt64(std::string_view text) { return Parse64(text); }

int32_t StrToInt(std::string_view text) {
  int64_t v = Parse64(text);
  if (v < INT32_MIN || v > INT32_MAX) Invalid(text);
  return static_cast<int32_t>(v);
}

std::optional<int32_t> IniInteger(std::string_view text) {
  auto m = Digits(TrimSpaces(text));
  if (!m) return std::nullopt;
  if (m->hex) {
    if (m->value > 0xFFFFFFFFu) return std::nullopt;
    int32_t wrapped = static_cast<int32_t>(static_cast<uint32_t>(m->value));
    return m->negative ? static_cast<int32_t>(0u - static_cast<uint32_t>(wrapped)) : wrapped;
  }
  if (m->value > (m->negative ? uint64_t{0x80000000} : uint64_t{0x7FFFFFFF})) return std::nullopt;
  return m->negative ? static_cast<int32_t>(-static_cast<int64_t>(m->value)) : static_cast<int32_t>(m->value);
}

}  // namespace telqor
