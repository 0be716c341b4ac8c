// The compound file (the container of the binary office formats) under a .docx or .xlsx name:
// office suites save a package encrypted with a password as one, holding the encrypted package
// beside a stream "EncryptionInfo".
#pragma once

#include <filesystem>

namespace telqor {

// Whether the file is a compound file with a stream named EncryptionInfo; false for any other
// file, or one that cannot be read.
bool IsEncryptedPackage(const std::filesystem::path& file);

}  // namespace telqor
