#include "core/text/replacement_template.h"

#include "core/text/errors.h"

namespace telqor {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsNameChar(char c) { return IsLetter(c) || IsDigit(c) || c == '_'; }
char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

std::string Convert(std::string_view text, char mode) {
  std::string s(text);
  switch (mode) {
    case 'U':
    case 'u':
      for (char& c : s) c = Upper(c);
      break;
    case 'L':
    case 'l':
      for (char& c : s) c = Lower(c);
      break;
    case 'F':
    case 'f':
      for (char& c : s) c = Lower(c);
      if (!s.empty()) s[0] = Upper(s[0]);
      break;
    case 'I':
    case 'i': {
      bool wordStart = true;
      for (char& c : s) {
        if (IsLetter(c)) {
          c = wordStart ? Upper(c) : Lower(c);
          wordStart = false;
        } else {
          // A digit or an apostrophe continues the word; anything else ends it.
          wordStart = !(IsDigit(c) || c == '\'');
        }
      }
      break;
    }
  }
  return s;
}

class Expander {
 public:
  Expander(std::string_view t, const MatchView& m) : t_(t), m_(m) {}

  std::string Run() {
    while (i_ < t_.size()) {
      char c = t_[i_];
      bool more = i_ + 1 < t_.size();
      if (c == '\\' && more && Backslash()) {
        CheckSize();
        continue;
      }
      if (c == '$' && more && Dollar()) {
        CheckSize();
        continue;
      }
      out_.push_back(c);
      ++i_;
    }
    return out_;
  }

 private:
  char At(size_t k) const { return k < t_.size() ? t_[k] : '\0'; }

  // A group number of one digit, or two when that group exists; at t_[k] (a digit).
  int ReadNumber(size_t& k) const {
    int n = t_[k++] - '0';
    if (IsDigit(At(k))) {
      int two = n * 10 + (t_[k] - '0');
      if (two <= m_.GroupCount()) {
        n = two;
        ++k;
      }
    }
    return n;
  }

  void EmitGroup(int n, char mode = 0) {
    if (n < 0 || n > m_.GroupCount()) return;
    std::string_view text = m_.GroupText(n);
    if (mode) {
      out_ += Convert(text, mode);
    } else {
      out_.append(text);
    }
  }

  // $& $+ $` $' and their backslash twins.
  bool Special(char c) {
    switch (c) {
      case '&':
        EmitGroup(0);
        return true;
      case '+':
        EmitGroup(m_.GroupCount());
        return true;
      case '`':
        out_.append(m_.Before());
        return true;
      case '\'':
        out_.append(m_.After());
        return true;
    }
    return false;
  }

  bool Backslash() {
    char c = t_[i_ + 1];
    if (c == '\\' || c == '$') {
      out_.push_back(c);
      i_ += 2;
      return true;
    }
    if (IsDigit(c)) {
      size_t k = i_ + 1;
      EmitGroup(ReadNumber(k));
      i_ = k;
      return true;
    }
    if (Special(c)) {
      i_ += 2;
      return true;
    }
    if (std::string_view("UuLlFfIi").find(c) != std::string_view::npos && IsDigit(At(i_ + 2))) {
      size_t k = i_ + 2;
      EmitGroup(ReadNumber(k), c);
      i_ = k;
      return true;
    }
    if (c == 'g' && At(i_ + 2) == '<') {
      size_t k = i_ + 3;
      while (IsNameChar(At(k))) ++k;
      if (k > i_ + 3 && At(k) == '>') {
        EmitGroup(GroupByName(t_.substr(i_ + 3, k - i_ - 3)));
        i_ = k + 1;
        return true;
      }
    }
    return false;
  }

  bool Dollar() {
    char c = t_[i_ + 1];
    if (IsDigit(c)) {
      size_t k = i_ + 1;
      EmitGroup(ReadNumber(k));
      i_ = k;
      return true;
    }
    if (Special(c)) {
      i_ += 2;
      return true;
    }
    if (c == '_') {
      out_.append(m_.WholeSubject());
      i_ += 2;
      return true;
    }
    if (c == '$') {
      out_.push_back('$');
      i_ += 2;
      return true;
    }
    if (c == '{') {
      size_t k = i_ + 2;
      while (IsNameChar(At(k))) ++k;
      if (k > i_ + 2 && At(k) == '}') {
        EmitGroup(GroupByName(t_.substr(i_ + 2, k - i_ - 2)));
        i_ = k + 1;
        return true;
      }
    }
    return false;
  }

  int GroupByName(std::string_view name) const {
    if (IsDigit(name[0])) {
      for (char c : name)
        if (!IsDigit(c)) return -1;
      return name.size() > 3 ? -1 : std::stoi(std::string(name));
    }
    return m_.GroupNumber(name);
  }

  void CheckSize() const {
    if (out_.size() > kMostReplacedBytes) throw RegexError(kReplacementTooLong);
  }

  std::string_view t_;
  const MatchView& m_;
  size_t i_ = 0;
  std::string out_;
};

}  // namespace

std::string ExpandReplacement(std::string_view templ, const MatchView& match) { return Expander(templ, match).Run(); }

}  // namespace telqor
