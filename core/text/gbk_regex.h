// GbkRegex: a pattern, a subject and a replacement template over PCRE2.
//
// Patterns, subjects, replacements and every text answered are GBK bytes. Matching runs on
// the UTF-8 form (ASCII needs no conversion), so a match never begins, ends or cuts inside a
// two-byte character even where a second byte looks like an ASCII letter; \d and \w stay
// ASCII. Options are fixed: any line break is a newline, matching is case-sensitive, anchors
// refer to the whole subject, and an empty string never counts as a match. The pattern is
// compiled (with JIT where available) on first use and again only when its text changes.
// One object serves one thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/text/replacement_template.h"

struct pcre2_real_code_8;
struct pcre2_real_match_data_8;
struct pcre2_real_match_context_8;
struct pcre2_real_jit_stack_8;

namespace telqor {

class GbkRegex : private MatchView {
 public:
  GbkRegex();
  ~GbkRegex() override;
  GbkRegex(const GbkRegex&) = delete;
  GbkRegex& operator=(const GbkRegex&) = delete;

  const std::string& RegEx() const { return regex_; }
  void SetRegEx(std::string_view pattern);
  std::string Subject() const;
  void SetSubject(std::string_view subject);
  const std::string& Replacement() const { return replacement_; }
  void SetReplacement(std::string_view replacement);

  void Compile();
  bool Compiled() const { return code_ != nullptr; }
  // How many times a pattern was compiled by this object.
  int CompileCount() const { return compileCount_; }

  bool Match();
  bool MatchNext();
  bool Found() const { return found_; }
  std::string MatchedText() const { return Group(0); }
  int GroupCount() const override;
  std::string Group(int index) const;
  int NamedGroup(std::string_view name) const;

  std::string Replace();
  bool ReplaceAll();

 private:
  bool Search(size_t length, size_t offset);
  std::string_view GroupText(int i) const override;
  int GroupNumber(std::string_view name) const override { return NamedGroup(name); }
  std::string_view Before() const override;
  std::string_view After() const override;
  std::string_view WholeSubject() const override { return work_; }

  std::string regex_;
  std::string replacement_;
  std::string replacementUtf8_;
  std::string work_;  // the subject, UTF-8
  size_t start_ = 1;  // 1-based bounds of the next search, in work_
  size_t stop_ = 0;
  bool found_ = false;
  int captured_ = 0;  // PCRE2's count of captured pairs for the last match
  int compileCount_ = 0;
  pcre2_real_code_8* code_ = nullptr;
  pcre2_real_match_data_8* matchData_ = nullptr;
  pcre2_real_match_context_8* matchContext_ = nullptr;
  pcre2_real_jit_stack_8* jitStack_ = nullptr;
};

}  // namespace telqor
