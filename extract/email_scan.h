// E-mail addresses in text, in time linear in its length whatever it holds.
//
// An address is what \w+([-+.]\w+)*@\w+([-.]\w+)*\.\w+([-.]\w+)* (\w: ASCII letters, digits and
// "_") matches, searched left to right within each stretch of the characters an address may hold:
// a two-byte GBK character ends a stretch, so a match never starts or ends inside one (its second
// byte may look like a letter or "@"). The scan goes from "@" to "@": the text around each is
// walked once, never again, so no input makes it slow.
#pragma once

#include <atomic>
#include <functional>
#include <string_view>

namespace telqor {

// Calls found with each address in order. Looks at stop (when given) at least every megabyte
// and answers false when it was set, the addresses before that place having been found.
bool ScanEmails(std::string_view text, const std::function<void(std::string_view)>& found,
                const std::atomic<bool>* stop = nullptr);
// ScanEmails of the text with its full-width letters, digits and "＠－＋．＿" folded to ASCII
// (ToHalfWidth, extract/half_width.h), as extraction reads it, without folding the rest:
// only the stretches around an "@" or "＠" are looked at, and folded when they hold such a
// character. Addresses come folded.
bool ScanFoldedEmails(std::string_view text, const std::function<void(std::string_view)>& found,
                      const std::atomic<bool>* stop = nullptr);

// Whether c may be part of an address match (\w, "-", "+", ".", "@").
inline bool IsMailChar(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
         c == '+' || c == '.' || c == '@';
}

}  // namespace telqor
