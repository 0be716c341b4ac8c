#include "core/text/gbk_regex.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include "core/text/errors.h"
#include "core/text/gbk.h"

namespace telqor {
namespace {

constexpr uint32_t kGroups = 100;  // group 0 and groups 1..99

}  // namespace

GbkRegex::GbkRegex() = default;

GbkRegex::~GbkRegex() {
  pcre2_code_free(code_);
  pcre2_match_data_free(matchData_);
  pcre2_match_context_free(matchContext_);
  pcre2_jit_stack_free(jitStack_);
}

void GbkRegex::SetRegEx(std::string_view pattern) {
  if (pattern == regex_) return;
  regex_ = std::string(pattern);
  pcre2_code_free(code_);
  code_ = nullptr;
  found_ = false;
}

std::string GbkRegex::Subject() const { return Utf8ToGbk(work_); }

void GbkRegex::SetSubject(std::string_view subject) {
  work_ = GbkToUtf8Lossless(subject);
  start_ = 1;
  stop_ = work_.size();
  found_ = false;
}

void GbkRegex::SetReplacement(std::string_view replacement) {
  replacement_ = std::string(replacement);
  replacementUtf8_ = GbkToUtf8Lossless(replacement);
}

void GbkRegex::Compile() {
  if (regex_.empty()) throw RegexError("GbkRegex.Compile() - Please specify a regular expression in RegEx first");
  std::string pattern = GbkToUtf8Lossless(regex_);
  pcre2_compile_context* context = pcre2_compile_context_create(nullptr);
  pcre2_set_newline(context, PCRE2_NEWLINE_ANY);
  int error = 0;
  PCRE2_SIZE offset = 0;
  // \C matches one byte of the UTF-8 form: it would cut a character in two and corrupt the
  // GBK data a replacement writes back, so it is refused.
  pcre2_code* code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(),
                                   PCRE2_UTF | PCRE2_NO_UTF_CHECK | PCRE2_NEVER_BACKSLASH_C, &error, &offset, context);
  pcre2_compile_context_free(context);
  if (!code) {
    PCRE2_UCHAR message[256];
    pcre2_get_error_message(error, message, sizeof message);
    // The offset counts bytes of the pattern as the user wrote it (GBK).
    size_t gbkOffset = Utf8ToGbk(std::string_view(pattern).substr(0, std::min<size_t>(offset, pattern.size()))).size();
    throw RegexError("GbkRegex.Compile() - Error in regex at offset " + std::to_string(gbkOffset) + ": " +
                     reinterpret_cast<const char*>(message));
  }
  pcre2_jit_compile(code, PCRE2_JIT_COMPLETE);  // without JIT the interpreter matches alike
  pcre2_code_free(code_);
  code_ = code;
  ++compileCount_;
  if (!matchData_) matchData_ = pcre2_match_data_create(kGroups, nullptr);
  if (!matchContext_) {
    matchContext_ = pcre2_match_context_create(nullptr);
    jitStack_ = pcre2_jit_stack_create(32 * 1024, 4 * 1024 * 1024, nullptr);
    if (jitStack_) pcre2_jit_stack_assign(matchContext_, nullptr, jitStack_);
  }
}

bool GbkRegex::Search(size_t length, size_t offset) {
  if (!code_) Compile();
  int rc = pcre2_match(code_, reinterpret_cast<PCRE2_SPTR>(work_.data()), length, offset,
                       PCRE2_NOTEMPTY | PCRE2_NO_UTF_CHECK, matchData_, matchContext_);
  // Errors (a match limit, say) count as no match.
  found_ = rc >= 0;
  if (!found_) {
    captured_ = 0;
    return false;
  }
  captured_ = rc == 0 ? static_cast<int>(kGroups) : rc;
  PCRE2_SIZE* ov = pcre2_get_ovector_pointer(matchData_);
  start_ = ov[1] + 1 + (ov[0] == ov[1] ? 1 : 0);
  return true;
}

bool GbkRegex::Match() { return Search(work_.size(), 0); }

bool GbkRegex::MatchNext() {
  if (stop_ + 1 < start_) {
    found_ = false;
    return false;
  }
  if (!code_) Compile();
  return Search(stop_, start_ - 1);
}

int GbkRegex::GroupCount() const { return found_ ? captured_ - 1 : 0; }

std::string_view GbkRegex::GroupText(int i) const {
  if (!found_ || i < 0 || i > GroupCount()) return {};
  PCRE2_SIZE* ov = pcre2_get_ovector_pointer(matchData_);
  if (ov[2 * i] == PCRE2_UNSET) return {};
  return std::string_view(work_).substr(ov[2 * i], ov[2 * i + 1] - ov[2 * i]);
}

std::string GbkRegex::Group(int index) const { return Utf8ToGbk(GroupText(index)); }

int GbkRegex::NamedGroup(std::string_view name) const {
  if (!code_) return -1;
  std::string n(name);
  int number = pcre2_substring_number_from_name(code_, reinterpret_cast<PCRE2_SPTR>(n.c_str()));
  return number < 0 ? -1 : number;
}

std::string_view GbkRegex::Before() const {
  if (!found_) return {};
  return std::string_view(work_).substr(0, pcre2_get_ovector_pointer(matchData_)[0]);
}

std::string_view GbkRegex::After() const {
  if (!found_) return {};
  return std::string_view(work_).substr(pcre2_get_ovector_pointer(matchData_)[1]);
}

std::string GbkRegex::Replace() {
  if (!found_) return {};
  std::string expanded = ExpandReplacement(replacementUtf8_, *this);
  PCRE2_SIZE* ov = pcre2_get_ovector_pointer(matchData_);
  size_t from = ov[0], to = ov[1];
  if (work_.size() - (to - from) + expanded.size() > kMostReplacedBytes) throw RegexError(kReplacementTooLong);
  work_.replace(from, to - from, expanded);
  // Expanded text is UTF-8 by construction, so work_ stays valid UTF-8.
  auto delta = static_cast<std::ptrdiff_t>(expanded.size()) - static_cast<std::ptrdiff_t>(to - from);
  start_ = static_cast<size_t>(static_cast<std::ptrdiff_t>(start_) + delta);
  stop_ = static_cast<size_t>(static_cast<std::ptrdiff_t>(stop_) + delta);
  found_ = false;
  return Utf8ToGbk(expanded);
}

bool GbkRegex::ReplaceAll() {
  if (!Match()) return false;
  do {
    Replace();
  } while (MatchNext());
  return true;
}

}  // namespace telqor
