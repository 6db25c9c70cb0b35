#include "cli/CatalogPrinter.h"

#include "platform/TextCodec.h"

#include <cinttypes>

namespace halvane::cli {

bool ParseFormat(std::string_view name, Format& format)
{
    if (name == "text")
        format = Format::Text;
    else if (name == "tsv")
        format = Format::Tsv;
    else if (name == "json")
        format = Format::Json;
    else
        return false;
    return true;
}

std::string JsonString(std::string_view utf8)
{
    std::string out = "\"";
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

void CatalogPrinter::Header()
{
    if (format_ == Format::Text)
        std::fprintf(out_, "%8s  %14s  %12s  %s\n", "Record", "Block", "Size", "Path");
}

void CatalogPrinter::Record(std::uint32_t k, const reader::CatalogFile& record)
{
    const std::string path = platform::Utf16ToUtf8(record.Path());
    switch (format_) {
    case Format::Text:
        std::fprintf(out_, "%8" PRIu32 "  %14" PRIu64 "  %12" PRId32 "  %s\n", k, record.BlockPosition(),
                     record.SizeField(), path.c_str());
        break;
    case Format::Tsv:
        std::fprintf(out_, "%" PRIu32 "\t%" PRIu64 "\t%" PRId32 "\t%s\n", k, record.BlockPosition(), record.SizeField(),
                     path.c_str());
        break;
    case Format::Json:
        std::fprintf(out_, "{\"record\": %" PRIu32 ", \"position\": %" PRIu64 ", \"size\": %" PRId32 ", \"path\": %s}\n",
                     k, record.BlockPosition(), record.SizeField(), JsonString(path).c_str());
        break;
    }
}

void CatalogPrinter::Footer(std::size_t count)
{
    if (format_ == Format::Text)
        std::fprintf(out_, "%zu file(s)\n", count);
}

}  // namespace halvane::cli
