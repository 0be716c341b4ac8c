// What the verbs that produce a list share: loading the input files into the workspace list as
// the GUI does, and writing the result through the one safe writer, to -o OUT or standard output.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cli/arg_parser.h"
#include "cli/console_ui.h"
#include "cli/global_options.h"
#include "core/lists/item_list.h"
#include "workspace/number_list.h"

namespace telqor::cli {

// -o OUT, for every verb that writes one list.
inline constexpr Option kOutputOption = {"--output", "-o", OptionKind::Value, "OUT",
                                         "write the result to OUT (replaced once complete), not standard output"};
// FILE..., the input files of a verb.
inline constexpr Positionals kInputFiles = {"FILE", true, true};

// A text given on the command line (UTF-8) as item data or a pattern (GBK).
std::string Utf8Argument(const std::string& text);

// Loads the files into list as the GUI's load button does (lines appended in file order).
void LoadFiles(NumberList& list, const std::vector<std::string>& files, Ui& ui);

// Writes the list as SaveToFile does: to out, or to standard output when out is empty. OUT is
// replaced only once every byte was written.
void WriteResult(const ItemList& list, const std::optional<std::string>& out);

// The frame of a verb that changes the lines of its input files: loads them into the
// workspace list, runs change on it with the console Ui and writes the list (-o OUT). Nothing
// is written when the program folder, a file or change fails.
int TransformFiles(const ParsedArgs& args, GlobalOptions& global, const std::function<void(NumberList&, Ui&)>& change);

// --in-place-name of dedupe and shuffle: write(file, target) for each input file, target beside
// it under its name with the extension replaced by ending, as the file manager names them;
// prints each target. Every input is checked first, and a failure removes the targets already
// written.
inline constexpr Option kInPlaceNameOption = {"--in-place-name", nullptr, OptionKind::Flag, nullptr,
                                              "write each file's result beside it, as the file manager names it"};
int WriteBesideEach(const ParsedArgs& args, std::string_view ending,
                    const std::function<void(const std::filesystem::path&, const std::filesystem::path&)>& write);

}  // namespace telqor::cli
