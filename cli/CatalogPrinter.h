// Prints catalog records in the tool's three formats: a readable table,
// tab-separated lines (record, position, signed size, path) and one JSON
// object per record and line.
#pragma once

#include "reader/CatalogFile.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace halvane::cli {

enum class Format { Text, Tsv, Json };

[[nodiscard]] bool ParseFormat(std::string_view name, Format& format);
[[nodiscard]] std::string JsonString(std::string_view utf8);

class CatalogPrinter {
public:
    CatalogPrinter(std::FILE* out, Format format) : out_(out), format_(format) {}
    void Header();
    void Record(std::uint32_t k, const reader::CatalogFile& record);
    void Footer(std::size_t count);

private:
    std::FILE* out_;
    Format format_;
};

}  // namespace halvane::cli
