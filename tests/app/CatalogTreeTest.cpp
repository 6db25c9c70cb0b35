// Path insertion, check propagation, the tokenizer and the scan job's texts.
#include "app/CToken.h"
#include "app/CatalogTree.h"
#include "app/ScanTexts.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace halvane::testing {
namespace {

using app::CatalogTree;

std::vector<std::u16string> Texts(const CatalogTree::Item& item)
{
    std::vector<std::u16string> texts;
    for (const auto& c : item.children)
        texts.push_back(c->text);
    return texts;
}

TEST(CToken, SplitsLikeTheShell)
{
    struct Case { std::u16string text; std::vector<std::u16string> tokens; };
    for (const auto& c : std::vector<Case>{{u"a\\b\\c", {u"a", u"b", u"c"}},
                                           {u"\\a", {u"", u"a"}},
                                           {u"a\\", {u"a", u""}},
                                           {u"nosep", {}},
                                           {u"a\\\\b", {u"a", u"", u"b"}}}) {
        app::CToken t(c.text, u"\\");
        std::vector<std::u16string> tokens;
        while (t.MoreTokens())
            tokens.push_back(t.NextToken());
        EXPECT_EQ(tokens, c.tokens);
    }
}

TEST(CatalogTree, FilesFirstNewestFirstFoldersLastInOrderMet)
{
    CatalogTree tree;
    tree.Reset(u"demo.bkf");
    tree.InsertPath(u"S\\C\\dir\\f1", 1);
    tree.InsertPath(u"S\\C\\dir\\sub1\\a", 2);
    tree.InsertPath(u"S\\C\\dir\\f2", 3);
    tree.InsertPath(u"S\\C\\dir\\sub2\\b", 4);
    tree.InsertPath(u"S\\C\\dir\\f3", 5);
    const auto* dir = CatalogTree::FindChild(*CatalogTree::FindChild(*CatalogTree::FindChild(*tree.Root(), u"S"), u"C"), u"dir");
    ASSERT_NE(dir, nullptr);
    EXPECT_EQ(Texts(*dir), (std::vector<std::u16string>{u"f3", u"f2", u"f1", u"sub1", u"sub2"}));
    EXPECT_EQ(CatalogTree::FindChild(*dir, u"f2")->record, 3u);
}

TEST(CatalogTree, InsertionEdgeCases)
{
    CatalogTree tree;
    tree.Reset(u"b.bkf");
    EXPECT_NE(tree.InsertPath(u"S\\x.edb", 1), nullptr);
    EXPECT_EQ(tree.InsertPath(u"S\\x.edb", 2), nullptr) << "a path already in the tree adds nothing";
    EXPECT_EQ(CatalogTree::FindChild(*CatalogTree::FindChild(*tree.Root(), u"S"), u"x.edb")->record, 1u);
    EXPECT_EQ(tree.InsertPath(u"nobackslash", 3), nullptr);
    EXPECT_EQ(tree.InsertPath(u"S\\dir\\", 4), nullptr);
    EXPECT_NE(CatalogTree::FindChild(*CatalogTree::FindChild(*tree.Root(), u"S"), u"dir"), nullptr);
    const std::size_t before = tree.ItemCount();
    EXPECT_EQ(tree.InsertPath(u"\\S\\\\x.edb", 5), nullptr) << "empty tokens are skipped";
    EXPECT_EQ(tree.ItemCount(), before);
    // A folder component equal to the file name is taken as the file.
    // The second "same" comes after the file item, among the top level, and
    // is inserted there first: it becomes the first top-level item.
    CatalogTree::Item* root = tree.Root();
    tree.InsertPath(u"T\\same\\same", 6);
    const auto* same = CatalogTree::FindChild(*CatalogTree::FindChild(*root, u"T"), u"same");
    ASSERT_NE(same, nullptr);
    EXPECT_TRUE(same->isFile);
    EXPECT_EQ(same->record, 6u);
    EXPECT_EQ(tree.Root()->text, u"same");
    EXPECT_EQ(tree.TopLevel().children.size(), 2u);
}

TEST(CatalogTree, CheckStatesPropagate)
{
    CatalogTree tree;
    tree.Reset(u"b.bkf");
    tree.InsertPath(u"S\\a\\1", 1);
    tree.InsertPath(u"S\\a\\2", 2);
    tree.InsertPath(u"S\\b\\3", 3);
    CatalogTree::SetChecked(*tree.Root(), true);
    auto* s = CatalogTree::FindChild(*tree.Root(), u"S");
    auto* a = CatalogTree::FindChild(*s, u"a");
    EXPECT_TRUE(CatalogTree::IsChecked(*tree.Root()));
    CatalogTree::SetChecked(*CatalogTree::FindChild(*a, u"1"), false);
    EXPECT_FALSE(CatalogTree::IsChecked(*a));
    EXPECT_FALSE(CatalogTree::IsChecked(*tree.Root()));
    EXPECT_TRUE(CatalogTree::IsChecked(*CatalogTree::FindChild(*s, u"b")));
}

TEST(CatalogTree, ManyFilesInOneFolderStayFast)
{
    CatalogTree tree;
    tree.Reset(u"b.bkf");
    for (std::uint32_t k = 1; k <= 200000; ++k) {
        const std::string name = "file" + std::to_string(k);
        tree.InsertPath(u"S\\C\\dir\\" + std::u16string(name.begin(), name.end()), k);
    }
    EXPECT_EQ(tree.ItemCount(), 200000u + 4u);
}

TEST(ScanTexts, Sizes)
{
    EXPECT_EQ(app::SizeText(1024), "1024(Bytes)");
    EXPECT_EQ(app::SizeText(1025), "1(KB)");
    EXPECT_EQ(app::SizeText(2047), "1(KB)");
    EXPECT_EQ(app::SizeText(5000000), "4882(KB)");
    EXPECT_EQ(app::BkfFileSizeText("/nonexistent"), "");
}

TEST(ScanTexts, ProgressAndTimes)
{
    EXPECT_EQ(app::ProgressText(512, 2048), "Progress: 512/2048");
    EXPECT_EQ(app::ProgressBarPosition(2048, 2048), 1000);
    EXPECT_EQ(app::ProgressPercentText(2048, 2048), "100.00%");
    EXPECT_EQ(app::ProgressPercentText(4523, 10000), "45.23%");
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    EXPECT_EQ(app::LogTimeStamp(1733785353), "Dec-09-2024(11-02-33-PM)");
    EXPECT_EQ(app::FileTimeText(1733785353), "12/09/2024  23:02:33");
}

}  // namespace
}  // namespace halvane::testing
