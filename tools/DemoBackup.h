// The demo backup and the benchmark inputs, written with the test builder.
#pragma once

#include "tests/support/BackupBuilder.h"

#include <cstdint>
#include <string>

namespace halvane::tools {

// A database header page (first 8 KiB of an .edb or .stm file).
[[nodiscard]] testing::Bytes DatabaseHeaderPage(std::uint32_t fileType, std::uint32_t state);

// Two backup sets with a few folders, an .edb and .stm and a few logs.
void WriteDemoBackup(const std::string& path);

// `count` ETED files of `fileSize` bytes each (holes), spread over folders.
void WriteManyFilesBackup(const std::string& path, std::uint32_t count, std::uint64_t fileSize);

// One file of `size` bytes of pseudo-random data.
void WriteOneLargeFileBackup(const std::string& path, std::uint64_t size);

// `size` bytes of pseudo-random noise.
void WriteRandomFile(const std::string& path, std::uint64_t size);

}  // namespace halvane::tools
