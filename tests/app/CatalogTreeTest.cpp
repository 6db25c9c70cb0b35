// Path insertion, check propagation, the tokenizer and the scan job's texts.
#include "app/CToken.h"
#include "app/CatalogTree.h"
#include "app/ScanTexts.h"
#include "widgets/TreeItems.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace halvane::testing {
namespace {

using app::CatalogTree;
using Item = CatalogTree::Item;

std::vector<std::u16string> Texts(const Item& item)
{
    std::vector<std::u16string> texts;
    for (std::size_t i = 0; i < item.ChildCount(); ++i)
        texts.push_back(item.Child(i).Text());
    return texts;
}

// The item at a backslash-separated path below the first top-level item.
const Item* At(const CatalogTree& tree, const std::u16string& path)
{
    const Item* item = &tree.Items().TopLevel(0);
    app::CToken tokens(path + u"\\", u"\\");
    while (item != nullptr && tokens.MoreTokens()) {
        const std::u16string token = tokens.NextToken();
        if (!token.empty())
            item = tree.FindChild(item, token);
    }
    return item;
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
    widgets::TreeItems items;
    CatalogTree tree(items);
    tree.Reset(u"demo.bkf");
    tree.InsertPath(u"S\\C\\dir\\f1", 1);
    tree.InsertPath(u"S\\C\\dir\\sub1\\a", 2);
    tree.InsertPath(u"S\\C\\dir\\f2", 3);
    tree.InsertPath(u"S\\C\\dir\\sub2\\b", 4);
    tree.InsertPath(u"S\\C\\dir\\f3", 5);
    const Item* dir = At(tree, u"S\\C\\dir");
    ASSERT_NE(dir, nullptr);
    EXPECT_EQ(Texts(*dir), (std::vector<std::u16string>{u"f3", u"f2", u"f1", u"sub1", u"sub2"}));
    EXPECT_EQ(tree.FindChild(dir, u"f2")->Data(), 3u);
    EXPECT_EQ(tree.FindChild(dir, u"sub1")->Data(), 0u);
    // The tree grows open: every parent of an added item is expanded.
    for (const Item* a = dir; a != nullptr; a = a->Parent())
        EXPECT_TRUE(a->Expanded());
    EXPECT_EQ(items.VisibleRowCount(), items.Count());
}

TEST(CatalogTree, InsertionEdgeCases)
{
    widgets::TreeItems items;
    CatalogTree tree(items);
    tree.Reset(u"b.bkf");
    EXPECT_NE(tree.InsertPath(u"S\\x.edb", 1), nullptr);
    EXPECT_EQ(tree.InsertPath(u"S\\x.edb", 2), nullptr) << "a path already in the tree adds nothing";
    EXPECT_EQ(At(tree, u"S\\x.edb")->Data(), 1u);
    EXPECT_EQ(tree.InsertPath(u"nobackslash", 3), nullptr);
    EXPECT_EQ(tree.InsertPath(u"S\\dir\\", 4), nullptr);
    EXPECT_NE(At(tree, u"S\\dir"), nullptr);
    const std::size_t before = items.Count();
    EXPECT_EQ(tree.InsertPath(u"\\S\\\\x.edb", 5), nullptr) << "empty tokens are skipped";
    EXPECT_EQ(items.Count(), before);
    // A folder component equal to the file name is taken as the file.
    // The second "same" comes after the file item, among the top level, and
    // is inserted there first: it becomes the first top-level item.
    const Item& root = items.TopLevel(0);
    tree.InsertPath(u"T\\same\\same", 6);
    const Item* same = tree.FindChild(tree.FindChild(&root, u"T"), u"same");
    ASSERT_NE(same, nullptr);
    EXPECT_EQ(same->Data(), 6u);
    EXPECT_FALSE(same->HasChildren());
    ASSERT_EQ(items.TopLevelCount(), 2u);
    EXPECT_EQ(items.TopLevel(0).Text(), u"same");
    EXPECT_EQ(items.TopLevel(1).Text(), u"b.bkf");
    // The next path starts at the new first top-level item.
    tree.InsertPath(u"U\\y", 7);
    EXPECT_NE(tree.FindChild(&items.TopLevel(0), u"U"), nullptr);
}

TEST(CatalogTree, ResetStartsOver)
{
    widgets::TreeItems items;
    CatalogTree tree(items);
    tree.Reset(u"a.bkf");
    tree.InsertPath(u"S\\x", 1);
    const auto generation = items.Generation();
    tree.Reset(u"b.bkf");
    EXPECT_NE(items.Generation(), generation);
    EXPECT_EQ(items.Count(), 1u);
    EXPECT_EQ(tree.FindChild(&items.TopLevel(0), u"S"), nullptr);
    EXPECT_NE(tree.InsertPath(u"S\\x", 1), nullptr);
}

TEST(CatalogTree, ManyFilesInOneFolderStayFast)
{
    widgets::TreeItems items;
    CatalogTree tree(items);
    tree.Reset(u"b.bkf");
    for (std::uint32_t k = 1; k <= 200000; ++k) {
        const std::string name = "file" + std::to_string(k);
        tree.InsertPath(u"S\\C\\dir\\" + std::u16string(name.begin(), name.end()), k);
    }
    EXPECT_EQ(items.Count(), 200000u + 4u);
    EXPECT_EQ(items.ItemAtRow(4)->Data(), 200000u);
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
