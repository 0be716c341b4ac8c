// Place names as public lists and the base data spell them: the full names of the national
// divisions ("山东省", "延边朝鲜族自治州", "吉首市") and the short ones the base data holds
// ("山东", "延边", "吉首").
#pragma once

#include <string_view>

namespace telqor {

// The short name the base data uses for a province or a city given in full: without 省, 市,
// 自治区, 特别行政区 (provinces) or 市, 地区, 盟, 林区, 自治州 (cities), and without the peoples
// an autonomous region or prefecture names (广西壮族自治区 → 广西, 恩施土家族苗族自治州 → 恩施);
// three prefectures go by their customary short names (巴州, 博州, 克州). A name already short,
// or one that would be left with a single character, stays as it is. UTF-8 in and out: a view
// into name or a literal.
std::string_view ShortProvinceName(std::string_view name);
std::string_view ShortCityName(std::string_view name);

// A county-level division's name without 市, 县, 区, 旗, 新区, 林区 or 特区, and an autonomous county
// or banner's without 自治县/自治旗 and its peoples (白沙黎族自治县 → 白沙, 吉首市 → 吉首): the
// form a list uses when it names a county seat as a city. Kept whole where that would leave a
// single character (泾县, 赵县).
std::string_view ShortCountyName(std::string_view name);

}  // namespace telqor
