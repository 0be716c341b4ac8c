// Expansion of a Perl-style replacement template for one match.
//
// References: \\ and \$ (the character itself); \1..\99 and $1..$99 (two digits only when that
// group exists); \U1 \L1 \F1 \I1 (and lower-case letters) for upper, lower, first-capital and
// initial-capitals case; \g<name>, ${name}, ${12}; $& and \& (whole match), $+ and \+ (last
// group), $` and \` (before the match), $' and \' (after it), $_ (whole subject), $$ (one $).
// A group beyond the last captured one, or an empty group, yields nothing; anything else is
// copied as it is. Case conversions touch ASCII letters only.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace telqor {

class MatchView {
 public:
  virtual ~MatchView() = default;
  virtual int GroupCount() const = 0;
  // Text of group i (0 = whole match); empty when unset or beyond GroupCount.
  virtual std::string_view GroupText(int i) const = 0;
  // Number of the named group, or -1.
  virtual int GroupNumber(std::string_view name) const = 0;
  virtual std::string_view Before() const = 0;
  virtual std::string_view After() const = 0;
  virtual std::string_view WholeSubject() const = 0;
};

// A replacement, or the subject it is made in, may not grow beyond this many bytes: "$`" makes
// every match of a pattern copy all that came before it, which doubles the text each time.
inline constexpr size_t kMostReplacedBytes = size_t{1} << 24;
inline constexpr char kReplacementTooLong[] = "替换结果超过了16MB，替换已停止";

// Raises RegexError(kReplacementTooLong) when the expansion grows beyond the limit.
std::string ExpandReplacement(std::string_view templ, const MatchView& match);

}  // namespace telqor
