#include "segments/region_export.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "core/io/file_writer.h"
#include "core/text/gbk.h"
#include "core/platform/parallel.h"
#include "core/io/safe_name.h"
#include "core/text/text.h"
#include "segments/field_split.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

using Indices = std::span<const uint32_t>;  // list indices, in list order unless said otherwise

// Text order ignoring the case of ASCII letters. A two-byte GBK character compares as its bytes
// stand, so a second byte that happens to be a letter never folds two characters into one.
int CompareIgnoringCase(std::string_view a, std::string_view b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
    if (x == y) {
      if (IsGbkLead(x) && i + 1 < n) {
        ++i;
        x = static_cast<unsigned char>(a[i]);
        y = static_cast<unsigned char>(b[i]);
        if (x != y) return x < y ? -1 : 1;
      }
      continue;
    }
    x = static_cast<unsigned char>(AsciiUpper(static_cast<char>(x)));
    y = static_cast<unsigned char>(AsciiUpper(static_cast<char>(y)));
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

// Calls f(k, number) for each of the numbers in turn, the numbers some places ahead already on
// their way into the cache: a group's numbers lie far apart in a large list.
template <typename F>
void ForEachNumber(const ItemList& list, Indices numbers, F&& f) {
  constexpr size_t kAhead = 16;
  for (size_t k = 0; k < numbers.size(); ++k) {
    if (k + kAhead < numbers.size()) __builtin_prefetch(&list[static_cast<int>(numbers[k + kAhead])]);
    f(k, list.View(static_cast<int>(numbers[k])));
  }
}

// A line that is not eleven digits (IsElevenDigits, as the statistics count) has no region and
// no carrier: it goes to 未知地区 and 其它, and never names a segment file.
std::optional<std::string_view> RegionOfLine(const SegmentDatabase& db, std::string_view line) {
  if (!IsElevenDigits(line)) return std::nullopt;
  return db.RegionOf(line);
}

Carrier CarrierOfLine(const CarrierRule& rule, std::string_view line) {
  return IsElevenDigits(line) ? rule.Of(line) : Carrier::None;
}

// ---- Grouping by region -------------------------------------------------------------------

// Region texts numbered as they are met. The database keeps each region at one address, so the
// address finds it again without reading its bytes; a text met at a new address is matched by
// its bytes, so equal texts are one region however they are held.
class RegionIds {
 public:
  RegionIds() : slots_(64) {}

  uint32_t IdOf(std::string_view region) {
    size_t mask = slots_.size() - 1;
    for (size_t s = Hash(region.data()) & mask;; s = (s + 1) & mask) {
      Slot& slot = slots_[s];
      if (slot.data == region.data() && slot.size == region.size()) return slot.id;
      if (slot.data) continue;
      auto [it, added] = byText_.try_emplace(region, static_cast<uint32_t>(texts_.size()));
      if (added) texts_.push_back(region);
      slot = Slot{region.data(), region.size(), it->second};
      if (++used_ * 2 > slots_.size()) Grow();
      return it->second;
    }
  }
  const std::vector<std::string_view>& Texts() const { return texts_; }

 private:
  struct Slot {
    const char* data = nullptr;
    size_t size = 0;
    uint32_t id = 0;
  };
  static size_t Hash(const char* p) {
    return static_cast<size_t>((reinterpret_cast<uintptr_t>(p) * 0x9E3779B97F4A7C15ULL) >> 32);
  }
  void Grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
      if (!slot.data) continue;
      size_t s = Hash(slot.data) & mask;
      while (slots_[s].data) s = (s + 1) & mask;
      slots_[s] = slot;
    }
  }

  std::vector<Slot> slots_;  // open addressing by address; a power of two, at most half used
  size_t used_ = 0;
  std::unordered_map<std::string_view, uint32_t> byText_;
  std::vector<std::string_view> texts_;
};

// A loop over the numbers is worth a thread of its own from this many on.
constexpr size_t kNumbersPerPart = size_t{1} << 18;
// What a file's writing formats at a time.
constexpr size_t kNumbersPerBlock = size_t{1} << 16;

// The numbers of a list by region: groups sorted by region name ignoring case, each holding the
// indices of its numbers in list order. Names that differ only in letter case are one group,
// named as the first number met names it, so their files cannot replace each other where the
// file system ignores case. The numbers are looked up in parts, each numbering the regions it
// meets; the parts' numbers then become those one walk in list order would give.
class RegionGroups {
 public:
  RegionGroups(const ItemList& list, const SegmentDatabase& db, std::string_view unknown) {
    const auto n = static_cast<size_t>(list.Count());
    const int parts = ParallelParts(n, kNumbersPerPart);
    std::vector<uint32_t> regionOf(n);
    std::vector<RegionIds> partIds(static_cast<size_t>(parts));
    std::vector<std::vector<uint32_t>> partFirstMet(static_cast<size_t>(parts));
    ParallelFor(parts, [&](int p) {
      RegionIds& ids = partIds[static_cast<size_t>(p)];
      std::vector<uint32_t>& firstMet = partFirstMet[static_cast<size_t>(p)];
      for (size_t i = PartStart(n, p, parts), end = PartStart(n, p + 1, parts); i < end; ++i) {
        const uint32_t id = ids.IdOf(RegionOfLine(db, list.View(static_cast<int>(i))).value_or(unknown));
        if (id == firstMet.size()) firstMet.push_back(static_cast<uint32_t>(i));
        regionOf[i] = id;
      }
    });
    RegionIds ids;
    std::vector<uint32_t> firstMet;
    std::vector<std::vector<uint32_t>> partToId(static_cast<size_t>(parts));
    for (size_t p = 0; p < partIds.size(); ++p) {
      const std::vector<std::string_view>& texts = partIds[p].Texts();
      for (size_t k = 0; k < texts.size(); ++k) {
        const uint32_t id = ids.IdOf(texts[k]);
        if (id == firstMet.size()) firstMet.push_back(partFirstMet[p][k]);
        partToId[p].push_back(id);
      }
    }

    // Distinct regions in name order; equal names (ignoring case) share a group.
    const std::vector<std::string_view>& texts = ids.Texts();
    std::vector<uint32_t> byName(texts.size());
    for (uint32_t r = 0; r < byName.size(); ++r) byName[r] = r;
    std::sort(byName.begin(), byName.end(), [&](uint32_t a, uint32_t b) {
      int c = CompareIgnoringCase(texts[a], texts[b]);
      return c != 0 ? c < 0 : firstMet[a] < firstMet[b];
    });
    std::vector<uint32_t> groupOf(texts.size());
    for (size_t k = 0; k < byName.size(); ++k) {
      uint32_t r = byName[k];
      if (k == 0 || CompareIgnoringCase(texts[byName[k - 1]], texts[r]) != 0) names_.emplace_back(texts[r]);
      groupOf[r] = static_cast<uint32_t>(names_.size() - 1);
    }

    // A stable counting sort of the indices by group, in parts: a part's numbers of a group go
    // after those of the parts before it.
    const size_t groups = names_.size();
    std::vector<uint32_t> counts(static_cast<size_t>(parts) * groups, 0);
    ParallelFor(parts, [&](int p) {
      uint32_t* count = &counts[static_cast<size_t>(p) * groups];
      const std::vector<uint32_t>& toId = partToId[static_cast<size_t>(p)];
      for (size_t i = PartStart(n, p, parts), end = PartStart(n, p + 1, parts); i < end; ++i) {
        regionOf[i] = groupOf[toId[regionOf[i]]];
        ++count[regionOf[i]];
      }
    });
    start_.assign(groups + 1, 0);
    uint32_t sum = 0;
    for (size_t g = 0; g < groups; ++g) {
      start_[g] = sum;
      for (int p = 0; p < parts; ++p) sum += std::exchange(counts[static_cast<size_t>(p) * groups + g], sum);
    }
    start_[groups] = sum;
    order_.resize(n);
    ParallelFor(parts, [&](int p) {
      uint32_t* next = &counts[static_cast<size_t>(p) * groups];
      for (size_t i = PartStart(n, p, parts), end = PartStart(n, p + 1, parts); i < end; ++i)
        order_[next[regionOf[i]]++] = static_cast<uint32_t>(i);
    });
  }

  size_t Count() const { return names_.size(); }
  const std::string& Name(size_t g) const { return names_[g]; }
  Indices Numbers(size_t g) const { return Indices(order_).subspan(start_[g], start_[g + 1] - start_[g]); }

 private:
  std::vector<std::string> names_;  // GBK, in name order
  std::vector<uint32_t> order_;     // list indices, group after group
  std::vector<uint32_t> start_;     // group g holds order_[start_[g], start_[g + 1])
};

// ---- Writing ------------------------------------------------------------------------------

// The carriers in the order their files are written, "其它" last.
constexpr std::array<Carrier, 5> kCarrierOrder = {Carrier::Mobile, Carrier::Unicom, Carrier::Telecom, Carrier::Broadnet,
                                                  Carrier::None};
constexpr size_t kNoCarrier = kCarrierOrder.size() - 1;  // the slot of "其它"

int CarrierSlot(Carrier c) { return c == Carrier::None ? static_cast<int>(kNoCarrier) : static_cast<int>(c) - 1; }

class Exporter {
 public:
  Exporter(const ItemList& list, const CarrierRule& rule, const fs::path& folder, Ui& ui)
      : list_(list), rule_(rule), folder_(folder), ui_(ui) {
    for (size_t k = 0; k < kCarrierOrder.size(); ++k) carrierNames_[k] = Utf8ToGbk(CarrierName(kCarrierOrder[k]));
  }

  // D + prefix + carrier + "." + n + ".txt" for each carrier with numbers.
  void ByCarrier(const std::string& prefix, Indices numbers) {
    std::array<Indices, kCarrierOrder.size()> split = SplitByCarrier(numbers);
    for (size_t k = 0; k < split.size(); ++k)
      if (!split[k].empty()) WriteNumbers(Name(folder_, prefix + carrierNames_[k] + ".", split[k].size()), split[k]);
  }

  // D + region + "." + n + ".txt".
  void ByRegion(const std::string& region, Indices numbers) {
    WriteNumbers(Name(folder_, region + ".", numbers.size()), numbers);
  }

  // The folder D + region + "/": a folder per carrier with a file per segment and the summary,
  // and the numbers of no carrier in "其它-" + n + ".txt".
  void ByCarrierAndSegment(const std::string& region, Indices numbers) {
    fs::path regionFolder = folder_ / SafeFileName(region);
    CreateFolders(regionFolder);
    std::array<Indices, kCarrierOrder.size()> split = SplitByCarrier(numbers);
    for (size_t k = 0; k < kNoCarrier; ++k) {
      if (split[k].empty()) continue;
      fs::path carrierFolder = regionFolder / SafeFileName(carrierNames_[k]);
      CreateFolders(carrierFolder);
      BySegment(carrierFolder, split[k]);
    }
    if (!split[kNoCarrier].empty())
      WriteNumbers(Name(regionFolder, carrierNames_[kNoCarrier] + "-", split[kNoCarrier].size()), split[kNoCarrier]);
  }

  std::vector<fs::path> TakeWritten() { return std::move(written_); }
  int64_t NumbersWritten() const { return static_cast<int64_t>(done_); }
  // The repeats of a number that the segment files left out.
  int64_t DuplicatesDropped() const { return static_cast<int64_t>(duplicatesDropped_); }

 private:
  // Region names and segments come from the files: the name stays inside its folder whatever
  // they hold.
  static fs::path Name(const fs::path& folder, const std::string& stem, size_t count) {
    return folder / SafeFileName(stem + std::to_string(count), ".txt");
  }

  // The numbers split by carrier, list order kept within each, in kCarrierOrder: a stable
  // counting sort in parts, a part's numbers of a carrier after those of the parts before.
  std::array<Indices, kCarrierOrder.size()> SplitByCarrier(Indices numbers) {
    constexpr size_t kSlots = kCarrierOrder.size();
    const size_t n = numbers.size();
    const int parts = ParallelParts(n, kNumbersPerPart);
    slots_.resize(n);
    std::vector<std::array<size_t, kSlots>> counts(static_cast<size_t>(parts));
    ParallelFor(parts, [&](int p) {
      const size_t from = PartStart(n, p, parts);
      std::array<size_t, kSlots>& count = counts[static_cast<size_t>(p)];
      count.fill(0);
      ForEachNumber(list_, numbers.subspan(from, PartStart(n, p + 1, parts) - from), [&](size_t k, std::string_view number) {
        slots_[from + k] = static_cast<uint8_t>(CarrierSlot(CarrierOfLine(rule_, number)));
        ++count[slots_[from + k]];
      });
    });
    std::array<size_t, kSlots + 1> start{};
    size_t sum = 0;
    for (size_t k = 0; k < kSlots; ++k) {
      start[k] = sum;
      for (auto& count : counts) sum += std::exchange(count[k], sum);
    }
    start[kSlots] = sum;
    byCarrier_.resize(n);
    ParallelFor(parts, [&](int p) {
      std::array<size_t, kSlots>& next = counts[static_cast<size_t>(p)];
      for (size_t i = PartStart(n, p, parts), end = PartStart(n, p + 1, parts); i < end; ++i)
        byCarrier_[next[slots_[i]]++] = numbers[i];
    });
    std::array<Indices, kSlots> split;
    for (size_t k = 0; k < split.size(); ++k) split[k] = Indices(byCarrier_).subspan(start[k], start[k + 1] - start[k]);
    return split;
  }

  // One file per segment, S + "-" + n + ".txt", its numbers sorted and each once, then the
  // summary "汇总.txt": S + "-" + n (five digits at least), by ascending n, then by segment.
  void BySegment(const fs::path& folder, Indices numbers) {
    auto view = [&](uint32_t i) { return list_.View(static_cast<int>(i)); };
    sorted_.assign(numbers.begin(), numbers.end());
    std::stable_sort(sorted_.begin(), sorted_.end(),
                     [&](uint32_t a, uint32_t b) { return CompareIgnoringCase(view(a), view(b)) < 0; });
    sorted_.erase(std::unique(sorted_.begin(), sorted_.end(),
                              [&](uint32_t a, uint32_t b) { return CompareIgnoringCase(view(a), view(b)) == 0; }),
                  sorted_.end());
    duplicatesDropped_ += numbers.size() - sorted_.size();

    // Sorted numbers keep the numbers of a segment together, and the segments in their order.
    struct Segment {
      std::string_view name;
      size_t count;
    };
    std::vector<Segment> segments;
    Indices all(sorted_);
    for (size_t from = 0, to; from < all.size(); from = to) {
      std::string_view segment = SegmentOf(view(all[from]));
      for (to = from + 1; to < all.size() && CompareIgnoringCase(SegmentOf(view(all[to])), segment) == 0;) ++to;
      WriteNumbers(Name(folder, std::string(segment) + "-", to - from), all.subspan(from, to - from));
      segments.push_back(Segment{segment, to - from});
    }

    std::sort(segments.begin(), segments.end(), [](const Segment& a, const Segment& b) {
      return a.count != b.count ? a.count < b.count : CompareIgnoringCase(a.name, b.name) < 0;
    });
    fs::path summary = folder / PathFromUtf8("汇总.txt");
    FileWriter out(summary);
    char count[24];
    for (const Segment& s : segments) {
      int length = std::snprintf(count, sizeof count, "-%.5zu\r\n", s.count);
      out.Write(s.name);
      out.Write(std::string_view(count, static_cast<size_t>(length)));
    }
    written_.push_back(out.CommitUnique());
  }

  // Under the name, or the first free name-2.txt, name-3.txt, ...: a name this or an earlier
  // export took (two regions with one safe name, the same region exported again) keeps its file.
  // A large group is formatted in blocks side by side and written in order.
  void WriteNumbers(const fs::path& file, Indices numbers) {
    FileWriter out(file);
    const size_t block = LeastPerPart(kNumbersPerBlock);
    ParallelInOrder<std::string>(
        ParallelParts(numbers.size(), block), (numbers.size() + block - 1) / block,
        [&](size_t b, std::string& text) {
          text.clear();
          const Indices some = numbers.subspan(b * block, std::min(block, numbers.size() - b * block));
          ForEachNumber(list_, some, [&](size_t, std::string_view number) { text.append(number).append("\r\n"); });
        },
        [&](const std::string& text) { out.Write(text); });
    written_.push_back(out.CommitUnique());
    // Progress in steps of a hundredth, not for each of what may be many small files.
    done_ += numbers.size();
    if (done_ >= nextProgress_) {
      ui_.Progress(static_cast<int64_t>(done_), list_.Count());
      nextProgress_ = done_ + static_cast<size_t>(list_.Count()) / 100;
    }
  }

  const ItemList& list_;
  const CarrierRule& rule_;
  const fs::path& folder_;
  Ui& ui_;
  std::array<std::string, kCarrierOrder.size()> carrierNames_;  // GBK, in kCarrierOrder
  std::vector<fs::path> written_;
  size_t done_ = 0, nextProgress_ = 0;
  size_t duplicatesDropped_ = 0;
  // Scratch, reused from group to group.
  std::vector<uint8_t> slots_;
  std::vector<uint32_t> byCarrier_;
  std::vector<uint32_t> sorted_;
};

}  // namespace

SavedFiles ExportNumbers(ExportKind kind, const ItemList& list, const SegmentDatabase& db, const CarrierRule& rule,
                         const fs::path& folder, Ui& ui) {
  ui.ShowStatus("开始保存文件");
  Exporter exporter(list, rule, folder, ui);
  if (kind == ExportKind::Carrier) {
    std::vector<uint32_t> all(static_cast<size_t>(list.Count()));
    for (uint32_t i = 0; i < all.size(); ++i) all[i] = i;
    exporter.ByCarrier("", all);
  } else if (list.Count() > 0) {
    const std::string unknown = Utf8ToGbk("未知地区");
    RegionGroups groups(list, db, unknown);
    for (size_t g = groups.Count(); g-- > 0;) {
      const std::string& region = groups.Name(g);
      switch (kind) {
        case ExportKind::Region:
          exporter.ByRegion(region, groups.Numbers(g));
          break;
        case ExportKind::RegionCarrier:
          exporter.ByCarrier(region + ".", groups.Numbers(g));
          break;
        case ExportKind::RegionCarrierSegment:
          exporter.ByCarrierAndSegment(region, groups.Numbers(g));
          break;
        case ExportKind::Carrier:
          break;
      }
    }
  }
  SavedFiles saved;
  saved.folder = folder;
  saved.written = exporter.TakeWritten();
  saved.items = exporter.NumbersWritten();
  // The segment files keep each number once: the closing text says how many repeats went.
  const std::string counted = kind == ExportKind::RegionCarrierSegment && list.Count() > 0
                                  ? "个号码（去掉重复" + std::to_string(exporter.DuplicatesDropped()) + "个）"
                                  : "个号码";
  saved.closing = "保存文件完成：" + SavedCounts(saved, counted);
  ui.ShowStatus(saved.closing);
  return saved;
}

}  // namespace telqor
