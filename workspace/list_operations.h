// The everyday operations on the three number lists: load files, sort, shuffle, de-duplicate,
// number clean-up, clear, paste, delete the selected rows, copy all or the selected rows, and
// copy one list wholesale onto the other. Each reports the list's own start and completion messages through the Ui.
// Clipboard texts are GBK item data here; the forms convert them at the clipboard.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/lists/compare_mode.h"
#include "core/lists/item_list.h"
#include "core/program/ui.h"
#include "workspace/number_list.h"

namespace telqor {

void SortNumbers(NumberList& list, Ui& ui);
void ShuffleNumbers(NumberList& list, Ui& ui);
// kExact: sorted, each item once, no empty item; kByHash: first occurrences by hash, order kept.
void DedupeNumbers(NumberList& list, CompareMode mode, Ui& ui);
// "号码规范化": every line that is a mobile number in another spelling becomes its eleven digits
// (workspace/normalize.h); the completion message says how many lines changed.
void NormalizeNumbers(NumberList& list, Ui& ui);
void ClearNumbers(NumberList& list, Ui& ui);
// Appends the lines of text (empty lines too) through the scratch list; a text without lines
// changes nothing and says nothing.
void PasteNumbers(NumberList& list, ItemList& scratch, std::string_view text, Ui& ui);
// Deletes the rows whose indexes are given (any order, repeats allowed).
void DeleteSelected(NumberList& list, const std::vector<int>& rows, Ui& ui);
// The text for the clipboard: every item followed by CR LF. Says so when the text is not empty.
std::string CopyAll(const NumberList& list, Ui& ui);
// The selected items, last selected row first, gathered in the scratch list.
std::string CopySelected(const NumberList& list, ItemList& scratch, const std::vector<int>& rows, Ui& ui);
// "全部号码": every item of from, in order, replaces the items of to.
void CopyAcross(const NumberList& from, NumberList& to, Ui& ui);
// Appends the lines of every file to items, in order, showing statusPrefix + path for each; a
// file that cannot be opened raises its error, the files before it stay appended. Progress
// counts bytes. Each file is read in its encoding (ItemList::AppendFile); characters GBK cannot
// hold are told in one message at the end, file by file. When the Ui asks to stop, it ends after
// the file it reads, takes back what it appended and answers false.
bool AppendFiles(ItemList& items, const std::vector<std::filesystem::path>& files, std::string_view statusPrefix,
                 Ui& ui);
// Appends the lines of every file to list, in order ("加载文件:" + path for each); a file that
// cannot be opened stops the loop, the files before it stay appended. Progress counts bytes;
// when the Ui asks to stop, the load ends after the file it reads and takes back what it
// appended.
void LoadFilesInto(NumberList& list, const std::vector<std::filesystem::path>& files, Ui& ui);

}  // namespace telqor
