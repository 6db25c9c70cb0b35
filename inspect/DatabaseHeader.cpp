#include "inspect/DatabaseHeader.h"

#include "platform/File.h"
#include "platform/TextCodec.h"
#include "reader/ByteOrder.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace halvane::inspect {

namespace {

using reader::load_le16;
using reader::load_le32;

enum class Kind { Hex, DbTime, LogTime, LogPosition, Int, FileType, State, Text };

struct Field {
    const char* name;
    std::size_t offset;
    Kind kind;
    const char* description;
};

std::string Printf(const char* format, auto... args)
{
    char buf[128];
    std::snprintf(buf, sizeof buf, format, args...);
    return buf;
}

std::string Text(std::span<const std::uint8_t> buf, std::size_t offset)
{
    std::u16string units;
    for (std::size_t at = offset; at + 2 <= buf.size(); at += 2) {
        const char16_t u = load_le16(buf.data() + at);
        if (u == 0)
            break;
        units.push_back(u);
    }
    return platform::Utf16ToUtf8(units);
}

std::string StateName(std::uint32_t v)
{
    switch (v) {
    case 1: return "JET_dbstateJustCreated";
    case 2: return "JET_dbstateDirtyShutdown";
    case 3: return "JET_dbstateCleanShutdown";
    case 4: return "JET_dbstateBeingConverted";
    case 5: return "JET_dbstateForceDetach";
    default: return "";
    }
}

std::string Format(std::span<const std::uint8_t> buf, const Field& f)
{
    const auto at = buf.subspan(f.offset);
    switch (f.kind) {
    case Kind::Hex: return FormatHexBytes(at.first(4));
    case Kind::DbTime: return FormatDbTime(at.first(6));
    case Kind::LogTime: return FormatLogTime(at.first(8));
    case Kind::LogPosition: return FormatLogPosition(at.first(8));
    case Kind::Int: return Printf("%d", static_cast<std::int32_t>(load_le32(at.data())));
    case Kind::FileType: return load_le32(at.data()) == 0 ? "DataBase type" : "Streaming File Type";
    case Kind::State: return StateName(load_le32(at.data()));
    case Kind::Text: return Text(buf, f.offset);
    }
    return {};
}

constexpr Field kDetails[] = {
    {"Checksum", 0, Kind::Hex, "Display checksum for selected file"},
    {"Signature", 4, Kind::Hex, "Display signature for selected file"},
    {"Format version", 8, Kind::Hex, "Display file format version for selected file"},
    {"File type", 12, Kind::FileType, "Display file type for selected file"},
    {"Database time", 16, Kind::DbTime, "Display Database time for selected file"},
    {"Shadowing Disabled", 208, Kind::Int, "Display Shadowing disabled for selected file"},
    {"Last object identifier", 212, Kind::Int, "The last object identifier in the database"},
    {"Major Version", 216, Kind::Int, "Major version when the database indexes were updated"},
    {"Minor Version", 220, Kind::Int, "Minor version when the database indexes were updated"},
    {"Build number", 224, Kind::Int, "Build number when the database indexes were updated"},
    {"Service pack number", 228, Kind::Int, "Service pack number when the database indexes were updated"},
    {"File format revision", 232, Kind::Int, "Display file format version"},
    {"Page size", 236, Kind::Int, "Display value in bytes"},
    {"Repair Count", 240, Kind::Int, "Display repair count"},
    {"Repair date and time", 244, Kind::LogTime, "Display log time"},
    {"Scrub database time", 280, Kind::DbTime, "Display database time"},
    {"Scrub date and time", 288, Kind::LogTime, "Display backup log time"},
    {"Required log", 296, Kind::Text, "Display required log"},
    {"Exchange format", 304, Kind::Int, "Display exchange format"},
    {"Upgrade free pages", 308, Kind::Int, "Display upgrade free pages"},
    {"Upgrade space map pages", 312, Kind::Int, "Display upgrade space map pages"},
    {"Creation file format version", 340, Kind::Int, "Display creation file format version"},
    {"Creation file format revision", 344, Kind::Int, "Display creation file format revision"},
    {"Old repair count", 364, Kind::Int, "Display old repair count"},
    {"ECC fix success count", 368, Kind::Int, "Display ECC fix success count"},
    {"Last ECC fix success date and time", 372, Kind::LogTime, "Display Last ECC fix success date and time"},
    {"Old ECC fix success count", 380, Kind::Int, "Display Old ECC fix success count"},
    {"ECC fix error count", 384, Kind::Int, "Display ECC fix error count"},
    {"Last ECC fix error date and time", 388, Kind::LogTime, "Display Last ECC fix error date and time"},
    {"Old ECC fix error count", 396, Kind::Int, "Display Old ECC fix error count"},
    {"Bad checksum error count", 400, Kind::Int, "Display Bad checksum error count"},
    {"Checksum error date and time", 404, Kind::LogTime, "Display Last bad checksum error date and time"},
    {"Checksum error count", 412, Kind::Int, "Display Old bad checksum error count"},
    {"Committed log", 416, Kind::Int, "Display Committed log"},
    {"NLS major version", 508, Kind::Int, "Display NLS major version"},
    {"NLS minor version", 512, Kind::Int, "Display NLS minor version"},
};

constexpr Field kSignature[] = {
    {"Log time", 28, Kind::LogTime, "Display Log time of selected file"},
    {"Computer name", 36, Kind::Text, "Display netBios computer name of selected file"},
    {"Database state", 52, Kind::State, "Display Database state of selected file"},
    {"Consistent position", 56, Kind::LogPosition, "Display Consistent position of selected file"},
    {"Consistent date and time", 64, Kind::LogTime, "Display Consistent date and time of selected file"},
    {"Attach date and time", 72, Kind::LogTime, "Display attach date and time of selected file"},
    {"Attach positon", 80, Kind::LogPosition, "Display attach position of selected file"},
    {"Detach date and time", 88, Kind::LogTime, "Display Detach date and time of selected file"},
    {"Detach position", 96, Kind::LogPosition, "Display detach position of selected file"},
    {"Log signature", 108, Kind::LogTime, "Display log signature of selected file"},
    {"Log netBios Computer name", 116, Kind::Text, "Display Log netBios Computer name of selected file"},
};

struct BackupBlock {
    const char* name;
    std::size_t offset;
};

constexpr BackupBlock kBackupBlocks[] = {
    {"Previous Full Backup Information", 136},
    {"Previous incremental Backup Information", 160},
    {"Current full Backup Information", 184},
    {"Current shadow copy backup information", 316},
    {"Previous shadow copy backup information", 420},
    {"Previous differential backup information", 444},
};

}  // namespace

std::string FormatHexBytes(std::span<const std::uint8_t> four)
{
    std::string s;
    for (std::size_t i = 0; i < 4; ++i)
        s += Printf("%02X", four[i]);
    return s;
}

std::string FormatDbTime(std::span<const std::uint8_t> six)
{
    return Printf("%d:%d:%d", load_le16(six.data()), load_le16(six.data() + 2), load_le16(six.data() + 4));
}

std::string FormatLogTime(std::span<const std::uint8_t> b)
{
    return Printf("%02d:%02d:%02d:%02d:%02d:%04d", b[2], b[1], b[0], b[4], b[3], b[5] + 1900);
}

std::string FormatLogPosition(std::span<const std::uint8_t> b)
{
    return Printf("Block = %d Sector = %d Generation = %d", load_le16(b.data()), load_le16(b.data() + 2),
                  static_cast<std::int32_t>(load_le32(b.data() + 4)));
}

std::vector<HeaderGroup> DatabaseHeaderGroups(std::span<const std::uint8_t> header, const std::string& fileName)
{
    std::array<std::uint8_t, kHeaderBufferSize> buffer{};
    std::copy_n(header.begin(), std::min(header.size(), buffer.size()), buffer.begin());
    const std::span<const std::uint8_t> buf(buffer);

    std::vector<HeaderGroup> groups;
    HeaderGroup details{"Selected file details", {{"File name", fileName, "Display name of selected file"}}};
    for (const Field& f : kDetails)
        details.properties.push_back({f.name, Format(buf, f), f.description});
    groups.push_back(std::move(details));

    HeaderGroup signature{"Database signature", {}};
    for (const Field& f : kSignature)
        signature.properties.push_back({f.name, Format(buf, f), f.description});
    groups.push_back(std::move(signature));

    for (const BackupBlock& block : kBackupBlocks) {
        const auto at = buf.subspan(block.offset);
        groups.push_back({block.name,
                          {
                              {"Generation lower number", Printf("%d", static_cast<std::int32_t>(load_le32(at.data() + 16))),
                               "Display generation lower number for backup information"},
                              {"Generation upper number", Printf("%d", static_cast<std::int32_t>(load_le32(at.data() + 20))),
                               "Display generation upper number for backup information"},
                              {"Log position", FormatLogPosition(at.first(8)), "Display Log position for backup information"},
                              {"Log time", FormatLogTime(at.subspan(8, 8)), "Display Log time for backup information"},
                          }});
    }
    return groups;
}

std::vector<std::uint8_t> ReadHeaderBuffer(const std::string& path)
{
    platform::File file(path, platform::File::Mode::Read);
    std::vector<std::uint8_t> buffer(kHeaderBufferSize, 0);
    (void)file.Read(buffer.data(), buffer.size());
    return buffer;
}

}  // namespace halvane::inspect
