#include "cli/segment_data.h"

#include <filesystem>
#include <iostream>
#include <system_error>

#include "core/io/file_io.h"

namespace telqor::cli {
namespace {

constexpr char kNoSegmentData[] =
    "没有号段数据：基础数据/手机号段.txt 不存在或是空的，查不到地区。"
    "运行 telqor-cli make-default-data 可写入程序附带的号段库(2025年公开号段，517,258个号段)。";

}  // namespace

SegmentLoadReport LoadDatabase(GlobalOptions& global, SegmentDatabase& db) {
  const DataFolders& folders = Started(global).folders;
  SegmentLoadReport report = db.Load(folders.baseData, folders.myData);
  if (db.SegmentCount() == 0) std::cerr << kNoSegmentData << "\n";
  return report;
}

void TellWhenNoSegmentData(GlobalOptions& global) {
  const std::filesystem::path file = Started(global).folders.baseData / PathFromUtf8(kSegmentFileName);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error) || std::filesystem::file_size(file, error) == 0)
    std::cerr << kNoSegmentData << "\n";
}

}  // namespace telqor::cli
