// Output format conversion: data items poured into a text template, the results written to
// numbered files framed by a head and a tail text.
//
// Template language (every occurrence, ASCII letters compared without regard to case, in this
// order, each pass also over the text the earlier ones brought in): "%N%", "%NN%" and "%NNN%"
// become the cycling number n as "%d", "%.2d" and "%.3d"; "12345678901" the data item; "MyNo"
// the item's sequence number from 1. A placeholder never starts on the second byte of a GBK
// character. Templates and items are GBK bytes.
//
// Templates live in the folder "Format" of the base data; beside a template name.ext may stand
// its head name.Head.ext and its tail name.Tail.ext.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/program/data_folders.h"
#include "core/lists/item_list.h"

namespace telqor {

// The template folder: base data + "Format".
std::filesystem::path FormatFolder(const DataFolders& folders);
// The template folder, created with what is missing above it when it does not exist yet (a new
// program folder has none); "Cannot create folder ..." when it cannot be.
std::filesystem::path MakeFormatFolder(const DataFolders& folders);

// A template as the conversion takes it: every line break (CR LF, a lone CR, a lone LF) made
// CR LF, so a template file gives the same result whatever line ends it was written with, and
// the same as the dialog, whose memo holds lines.
std::string TemplateWithCrLf(std::string_view text);
// The template of a file, its line breaks made CR LF ("Cannot open file ..." when it cannot be
// read).
std::string LoadTemplate(const std::filesystem::path& file);

// The bare names of the templates in folder: every entry whose name has a dot, in name order,
// without the head and tail files (names holding ".Head." or ".Tail.", case as written).
std::vector<std::filesystem::path> TemplateNames(const std::filesystem::path& folder);

// name.ext -> name.Head.ext and name.Tail.ext, beside the template; the extension is what
// follows the name's last dot ("a.b.txt" -> "a.b.Head.txt", "tpl" -> "tpl.Head").
std::filesystem::path HeadPath(const std::filesystem::path& templateFile);
std::filesystem::path TailPath(const std::filesystem::path& templateFile);

// The text of a head or tail file: empty when there is no such file; its one line when it
// has exactly one; else every line followed by CR LF (so a multi-line head, written as one
// item, leaves an empty line after it).
std::string FrameText(const std::filesystem::path& file);

struct Frames {
  std::string head;
  std::string tail;
};
// The head and tail texts of a template file.
Frames FramesOf(const std::filesystem::path& templateFile);

// One filled-in template: n is the cycling number, sequence the item's number from 1.
std::string FillTemplate(std::string_view templ, std::string_view item, int n, int sequence);

// The text without its last cut bytes (all of it when it is shorter), cutting whole GBK
// characters: a two-byte character whose bytes reach into the cut goes with it. A cut of 0 or
// less changes nothing.
std::string_view CutEnd(std::string_view text, int cut);

struct FormatOptions {
  int stack = 1;        // K: filled-in templates per output item; 0 or less counts as 1
  int cut = 0;          // D: bytes cut from the end of each output item
  int maxNumber = 200;  // M: the cycling number runs 1..M (a negative M as its size)
};

// Replaces output by the conversion of source: K filled-in templates (the last group may hold
// fewer) make one output item, D bytes cut from its end, added to output line by line. A
// maximum number of 0 is refused ("最大编号不能为0") before output changes.
void ConvertToFormat(const ItemList& source, std::string_view templ, const FormatOptions& options, ItemList& output);

// Writes the output lines perFile to a file named base + ".格式化." + count + "." + k ("%.4d")
// + ".txt", k from 1: the head first as one item (when not empty), the lines, the tail's lines
// (when not empty). count is the file's data lines (perFile) for a full file; for the last one,
// holding the rest, it counts the head and tail lines too. No file when output is empty.
// A perFile of 0 is refused ("每文件保存数不能为0") before anything is written; a negative one
// counts as its size. Each file is added to written once it stands complete under its name;
// the files before a failure stay.
void SaveFormatted(const ItemList& output, const std::filesystem::path& base, int perFile, const Frames& frames,
                   std::vector<std::filesystem::path>& written);

}  // namespace telqor
