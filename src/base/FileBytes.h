#pragma once
// Whole-file reading with a size limit, and writing that replaces the target
// only once the new content is completely on disk.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quillo {

// Reads a file; throws quillo::Error "Cannot open file <path>" when it cannot
// be opened or read, and "File too large: <path>" beyond maxBytes.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path,
                                        std::uint64_t maxBytes = 512ull * 1024 * 1024);

// Writes to a temporary file in the target's folder and renames it over the
// target. On failure the temporary file is removed, the target is untouched
// and quillo::Error "Cannot create file <path>" is thrown.
void WriteFileAtomically(const std::string& path, std::span<const std::uint8_t> bytes);

}  // namespace quillo
