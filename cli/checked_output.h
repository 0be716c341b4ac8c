// Standard output of telqor-cli, checked: what a verb prints with std::cout goes through one
// buffer written to the standard output descriptor, and the first failed write (a full disk) is
// kept, so that the verb fails with "Cannot write file "standard output". ..." whatever it
// printed and however much.
//
// A reader that closes the pipe (telqor-cli sort big.txt | head) has what it wanted: the verb
// ends at the next write with StandardOutputClosed, which main answers quietly with status 0,
// as the common text tools do. Writes to files stop safely on the way (their temporary files go).
#pragma once

#include <exception>
#include <memory>

#include "core/platform/env.h"

namespace telqor::cli {

class StandardOutputClosed : public std::exception {
 public:
  const char* what() const noexcept override { return "standard output closed"; }
};

// The Env in force, but whose standard output raises StandardOutputClosed for a closed pipe.
std::unique_ptr<Env> PipeAwareEnv(Env& target);

// Sends std::cout through the checked buffer; call once, before any verb prints.
void CheckStandardOutputFromNowOn();
// Writes out what is buffered; throws StandardOutputClosed when the reader went, FileError
// when any other write to standard output failed.
void CheckStandardOutput();

}  // namespace telqor::cli
