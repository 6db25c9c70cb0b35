#include "reader/MtfStrings.h"

#include "reader/ByteOrder.h"

namespace halvane::reader {

namespace {

std::size_t UnitOffset(std::uint16_t start, std::size_t i)
{
    return static_cast<std::uint16_t>(start + 2 * i);
}

std::size_t CopyCount(std::uint16_t start, std::uint16_t end, std::size_t max)
{
    const auto limit = static_cast<std::uint16_t>(start + 2 * max);
    if (limit < end)
        end = limit;
    if (start >= end)
        return 0;
    const std::size_t count = static_cast<std::size_t>(end - start - 1) / 2 + 1;
    return count < max ? count : max;
}

// Units the path build may take, and whether it starts with a backslash.
struct PathPlan {
    bool leadingBackslash = false;
    std::size_t units = 0;
};

PathPlan PlanPath(Block block, std::uint16_t start, std::uint16_t end, std::size_t limitPlain,
                  std::size_t limitWithBackslash)
{
    const int span = static_cast<int>(end) - static_cast<int>(start);
    PathPlan plan;
    plan.leadingBackslash = span > 0 && byte_at(block, start) != 0;
    const std::size_t available = span >= 0 ? static_cast<std::size_t>(span + 1) / 2 : 0;
    const std::size_t limit = plan.leadingBackslash ? limitWithBackslash : limitPlain;
    plan.units = available < limit ? available : limit;
    return plan;
}

}  // namespace

std::size_t CopyUnitsNarrow(Block block, std::uint16_t start, std::uint16_t end, std::size_t max, std::string& out)
{
    const std::size_t count = CopyCount(start, end, max);
    out.clear();
    for (std::size_t i = 0; i < count; ++i)
        out.push_back(static_cast<char>(byte_at(block, UnitOffset(start, i))));
    return count;
}

std::size_t CopyUnitsWide(Block block, std::uint16_t start, std::uint16_t end, std::size_t max, std::u16string& out)
{
    const std::size_t count = CopyCount(start, end, max);
    out.clear();
    for (std::size_t i = 0; i < count; ++i)
        out.push_back(static_cast<char16_t>(le16_at(block, UnitOffset(start, i))));
    return count;
}

std::size_t BuildPathNarrow(Block block, std::uint16_t start, std::uint16_t end, std::string& out)
{
    const PathPlan plan = PlanPath(block, start, end, 255, 254);
    out.clear();
    if (plan.leadingBackslash)
        out.push_back('\\');
    for (std::size_t i = 0; i < plan.units; ++i) {
        const std::uint8_t b = byte_at(block, UnitOffset(start, i));
        out.push_back(b == 0 ? '\\' : static_cast<char>(b));
    }
    return plan.units;
}

std::size_t BuildPathWide(Block block, std::uint16_t start, std::uint16_t end, std::u16string& out)
{
    const PathPlan plan = PlanPath(block, start, end, 255, 253);
    out.clear();
    if (plan.leadingBackslash)
        out.push_back(u'\\');
    for (std::size_t i = 0; i < plan.units; ++i) {
        const std::uint8_t b = byte_at(block, UnitOffset(start, i));
        out.push_back(b == 0 ? u'\\' : static_cast<char16_t>(b));
    }
    return plan.units;
}

std::string TraceUnits(Block block, std::uint16_t offset, std::uint16_t size)
{
    std::string text;
    if (size == 0)
        return text;
    const std::size_t units = static_cast<std::size_t>(size - 1) / 2 + 1;
    for (std::size_t i = 0; i < units; ++i)
        text.push_back(static_cast<char>(byte_at(block, UnitOffset(offset, i))));
    return text;
}

std::u16string FieldUnits(Block block, std::uint16_t offset, std::uint16_t size)
{
    std::u16string text;
    for (std::size_t i = 0; i < size / 2u; ++i)
        text.push_back(static_cast<char16_t>(le16_at(block, UnitOffset(offset, i))));
    return text;
}

}  // namespace halvane::reader
