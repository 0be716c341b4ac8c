#include "segments/place_names.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace telqor {
namespace {

// The peoples an autonomous region or prefecture may name after its place name.
constexpr std::array<std::string_view, 55> kPeoples = {
    "蒙古", "回",   "藏",   "维吾尔", "苗",     "彝",       "壮",     "布依",   "朝鲜",     "满",     "侗",
    "瑶",   "白",   "土家", "哈尼",   "哈萨克", "傣",       "黎",     "傈僳",   "佤",       "畲",     "高山",
    "拉祜", "水",   "东乡", "纳西",   "景颇",   "柯尔克孜", "土",     "达斡尔", "仫佬",     "羌",     "布朗",
    "撒拉", "毛南", "仡佬", "锡伯",   "阿昌",   "普米",     "塔吉克", "怒",     "乌孜别克", "俄罗斯", "鄂温克",
    "德昂", "保安", "裕固", "京",     "塔塔尔", "独龙",     "鄂伦春", "赫哲",   "门巴",     "珞巴",   "基诺"};

size_t CharCount(std::string_view utf8) {
  return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

// name without suffix, when that leaves at least two characters.
bool StripSuffix(std::string_view& name, std::string_view suffix) {
  if (!name.ends_with(suffix) || CharCount(name.substr(0, name.size() - suffix.size())) < 2) return false;
  name.remove_suffix(suffix.size());
  return true;
}

// "恩施土家族苗族" → "恩施", "伊犁哈萨克" → "伊犁". A people without "族" is taken only when its
// name has two characters or more, so that no place name loses its last character to one.
void StripPeoples(std::string_view& name) {
  for (;;) {
    std::string_view base = name;
    const bool withZu = StripSuffix(base, "族");
    std::string_view shortest = name;  // the longest people's name wins: 土家 before 土
    for (std::string_view people : kPeoples) {
      std::string_view rest = base;
      if ((withZu || CharCount(people) >= 2) && StripSuffix(rest, people) && rest.size() < shortest.size())
        shortest = rest;
    }
    if (shortest.size() == name.size()) return;
    name = shortest;
  }
}

}  // namespace

std::string_view ShortProvinceName(std::string_view name) {
  if (StripSuffix(name, "特别行政区")) return name;
  if (StripSuffix(name, "自治区")) {
    StripPeoples(name);
    return name;
  }
  if (!StripSuffix(name, "省")) StripSuffix(name, "市");
  return name;
}

std::string_view ShortCityName(std::string_view name) {
  if (StripSuffix(name, "自治州")) {
    StripPeoples(name);
  } else {
    for (std::string_view suffix : {"地区", "林区", "新区", "盟", "市"})
      if (StripSuffix(name, suffix)) break;
  }
  // Three prefectures are known by a short name of their own.
  if (name == "巴音郭楞") return "巴州";
  if (name == "博尔塔拉") return "博州";
  if (name == "克孜勒苏") return "克州";
  return name;
}

std::string_view ShortCountyName(std::string_view name) {
  for (std::string_view suffix : {"自治县", "自治旗"}) {
    if (StripSuffix(name, suffix)) {
      StripPeoples(name);
      return name;
    }
  }
  for (std::string_view suffix : {"林区", "特区", "新区", "市", "县", "区", "旗"})
    if (StripSuffix(name, suffix)) break;
  return name;
}

}  // namespace telqor
