// Header fields and their formatting, against a page built from the field table.
#include "inspect/DatabaseHeader.h"
#include "tools/DemoBackup.h"

#include <gtest/gtest.h>

#include <map>

namespace halvane::testing {
namespace {

std::map<std::string, std::string> Values(const std::vector<inspect::HeaderGroup>& groups, std::size_t g)
{
    std::map<std::string, std::string> values;
    for (const auto& p : groups[g].properties)
        values[p.name] = p.value;
    return values;
}

TEST(DatabaseHeader, Formatters)
{
    const std::uint8_t sig[] = {0xEF, 0xCD, 0xAB, 0x89};
    EXPECT_EQ(inspect::FormatHexBytes(sig), "EFCDAB89");
    const std::uint8_t version[] = {0x20, 0x06, 0x00, 0x00};
    EXPECT_EQ(inspect::FormatHexBytes(version), "20060000");
    const std::uint8_t logTime[] = {5, 4, 3, 2, 1, 110, 9, 9};
    EXPECT_EQ(inspect::FormatLogTime(logTime), "03:04:05:01:02:2010");
    const std::uint8_t position[] = {0x10, 0, 0x02, 0, 0x07, 0, 0, 0};
    EXPECT_EQ(inspect::FormatLogPosition(position), "Block = 16 Sector = 2 Generation = 7");
    const std::uint8_t dbTime[] = {1, 0, 0xFF, 0xFF, 3, 0};
    EXPECT_EQ(inspect::FormatDbTime(dbTime), "1:65535:3");
}

TEST(DatabaseHeader, GroupsOfAHeaderPage)
{
    Bytes page = tools::DatabaseHeaderPage(0, 3);
    const auto groups = inspect::DatabaseHeaderGroups(page, "priv1.edb");
    ASSERT_EQ(groups.size(), 8u);
    EXPECT_EQ(groups[0].name, "Selected file details");
    EXPECT_EQ(groups[0].properties.size(), 37u);
    EXPECT_EQ(groups[1].properties.size(), 11u);
    for (std::size_t g = 2; g < 8; ++g)
        EXPECT_EQ(groups[g].properties.size(), 4u);
    EXPECT_EQ(groups[7].name, "Previous differential backup information");

    auto details = Values(groups, 0);
    EXPECT_EQ(details["File name"], "priv1.edb");
    EXPECT_EQ(details["Signature"], "EFCDAB89");
    EXPECT_EQ(details["Format version"], "20060000");
    EXPECT_EQ(details["File type"], "DataBase type");
    EXPECT_EQ(details["Page size"], "8192");
    EXPECT_EQ(details["Required log"], "\x1a");
    auto signature = Values(groups, 1);
    EXPECT_EQ(signature["Database state"], "JET_dbstateCleanShutdown");
    EXPECT_EQ(signature["Computer name"], "MAILSRV");
    EXPECT_EQ(signature["Log time"], "23:02:33:12:09:2024");
    auto previousFull = Values(groups, 2);
    EXPECT_EQ(previousFull["Generation lower number"], "20");
    EXPECT_EQ(previousFull["Generation upper number"], "27");
}

TEST(DatabaseHeader, OddValues)
{
    struct Case { std::size_t offset; std::vector<std::uint8_t> bytes; std::size_t group; std::string name, value; };
    const std::vector<Case> cases = {
        {12, {1, 0, 0, 0}, 0, "File type", "Streaming File Type"},
        {52, {0, 0, 0, 0}, 1, "Database state", ""},
        {52, {6, 0, 0, 0}, 1, "Database state", ""},
        {236, {0xFF, 0xFF, 0xFF, 0xFF}, 0, "Page size", "-1"},
        {36, {0, 0}, 1, "Computer name", ""},
    };
    for (const auto& c : cases) {
        Bytes page = tools::DatabaseHeaderPage(0, 3);
        std::copy(c.bytes.begin(), c.bytes.end(), page.begin() + static_cast<std::ptrdiff_t>(c.offset));
        EXPECT_EQ(Values(inspect::DatabaseHeaderGroups(page, "f"), c.group)[c.name], c.value) << c.name;
    }
}

TEST(DatabaseHeader, ShortInputReadsAsZeros)
{
    const auto groups = inspect::DatabaseHeaderGroups(std::vector<std::uint8_t>(10, 0xAB), "short.stm");
    auto details = Values(groups, 0);
    EXPECT_EQ(details["Checksum"], "ABABABAB");
    EXPECT_EQ(details["NLS minor version"], "0");
}

}  // namespace
}  // namespace halvane::testing
