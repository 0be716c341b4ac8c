// Standard output of telqor-cli, checked: what a verb prints with std::cout goes through one
// buffer written to the standard output descriptor, and the first failed write (a full disk, a
// closed pipe) is kept, so that the verb fails with "Cannot write file "standard output". ..."
// whatever it printed and however much.
#pragma once

namespace telqor::cli {

// Sends std::cout through the checked buffer; call once, before any verb prints.
void CheckStandardOutputFromNowOn();
// Writes out what is buffered; throws FileError when any write to standard output failed.
void CheckStandardOutput();

}  // namespace telqor::cli
