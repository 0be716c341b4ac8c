// The settings file: any bytes are read without harm, and keys written then read come back.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "core/program/ini_file.h"
#include "core/text/text.h"
#include "fuzz/fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace telqor;
  static const std::filesystem::path file =
      std::filesystem::temp_directory_path() / ("telqor-fuzz-ini-" + std::to_string(::getpid()) + ".ini");
  auto parts = fuzz::Parts(fuzz::AsText(data, size), 4);
  {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(parts[0].data(), static_cast<std::streamsize>(parts[0].size()));
  }
  IniFile ini = IniFile::Load(file);
  (void)ini.ReadInteger("SYSTEM", "CalMode", 0);
  (void)ini.ReadString(parts[1], parts[2], "");
  // A key and value without line breaks, "=", "[" or blanks around them round-trip.
  std::string_view key = TrimBlanks(parts[1]), value = TrimBlanks(parts[3]);
  auto plain = [](std::string_view s) {
    return s.find_first_of(std::string_view("\r\n\0=[", 5)) == std::string_view::npos;
  };
  if (!key.empty() && plain(key) && plain(value)) {
    ini.WriteString("SYSTEM", key, value);
    ini.Save(file);
    IniFile back = IniFile::Load(file);
    FUZZ_CHECK(back.ReadString("SYSTEM", key, "(missing)") == value);
  }
  return 0;
}
