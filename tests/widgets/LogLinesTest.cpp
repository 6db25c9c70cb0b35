// The packed log lines keep every line, empty ones included, byte for byte.
#include "widgets/LogLines.h"

#include <gtest/gtest.h>

namespace halvane::testing {
namespace {

TEST(LogLines, KeepsLinesInOrderAndClears)
{
    widgets::LogLines log;
    const std::vector<std::string> lines{"", "first", "", "\xc3\xa9t\xc3\xa9 line", std::string(5000, 'x')};
    for (const auto& l : lines)
        log.Append(l);
    ASSERT_EQ(log.Count(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(log.Line(i), lines[i]);
    EXPECT_EQ(log.Line(lines.size()), "") << "out of range reads as empty";
    log.Clear();
    EXPECT_EQ(log.Count(), 0u);
    log.Append("again");
    EXPECT_EQ(log.Line(0), "again");
}

}  // namespace
}  // namespace halvane::testing
