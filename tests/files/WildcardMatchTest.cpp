#include "files/WildcardMatch.h"

#include <gtest/gtest.h>

namespace halvane::testing {
namespace {

TEST(WildcardMatch, Table)
{
    struct Case { std::u16string pattern, path; int match; };
    const std::vector<Case> cases = {
        {u"*.*", u"S\\C\\priv1.edb", 1},
        {u"*.*", u"S.x\\C\\noext", 1},
        {u"*.*", u"S\\C\\noext", 0},
        {u"*priv*", u"S\\C\\priv1.edb", 1},
        {u"*Priv*", u"S\\C\\priv1.edb", 0},
        {u"priv*.edb", u"S\\C\\priv1.edb", 0},
        {u"priv*.edb", u"priv1.edb", 1},
        {u"*priv*.edb", u"S\\C\\priv1.edb", 1},
        {u"a?c", u"abc", 1},
        {u"a?c", u"ac", 0},
        {u"*", u"", 1},
        {u"", u"", 1},
        {u"a*b*c", u"axxbyyc", 1},
        {u"a*b*c", u"axxbyyd", 0},
        {u"*aab", u"aaab", 1},
        {u"**", u"x", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(files::WildcardMatch(c.pattern, c.path), c.match) << std::string(c.pattern.begin(), c.pattern.end());
}

TEST(WildcardMatch, StoppedSearchDoesNotMatch)
{
    std::atomic<int> searching{0};
    EXPECT_EQ(files::WildcardMatch(u"*priv*", u"S\\priv1.edb", &searching), 0);
}

TEST(WildcardMatch, PatternRule)
{
    EXPECT_EQ(files::SearchPattern(u"  priv "), u"*priv*");
    EXPECT_EQ(files::SearchPattern(u"priv*.edb"), u"priv*.edb");
    EXPECT_EQ(files::SearchPattern(u"   "), u"");
}

}  // namespace
}  // namespace halvane::testing
