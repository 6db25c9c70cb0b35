// The tree control's items: child order, smart check states and the row
// layout the view draws, checked against a plain walk of the tree.
#include "widgets/TreeItems.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace halvane::testing {
namespace {

using widgets::CheckState;
using widgets::TreeItems;
using Item = TreeItems::Item;

// The visible items in display order, by recursion over Child(row).
void Walk(const Item& item, std::vector<const Item*>& out)
{
    out.push_back(&item);
    if (!item.Expanded())
        return;
    for (std::size_t i = 0; i < item.ChildCount(); ++i)
        Walk(item.Child(i), out);
}

std::vector<const Item*> VisibleByWalk(const TreeItems& items)
{
    std::vector<const Item*> out;
    for (std::size_t i = 0; i < items.TopLevelCount(); ++i)
        Walk(items.TopLevel(i), out);
    return out;
}

void ExpectLayoutMatchesWalk(const TreeItems& items)
{
    const auto visible = VisibleByWalk(items);
    ASSERT_EQ(items.VisibleRowCount(), visible.size());
    for (std::size_t r = 0; r < visible.size(); ++r) {
        ASSERT_EQ(items.ItemAtRow(r), visible[r]) << "row " << r;
        ASSERT_EQ(items.RowOf(*visible[r]), r);
        ASSERT_EQ(items.NextVisible(*visible[r]), r + 1 < visible.size() ? visible[r + 1] : nullptr);
        ASSERT_EQ(items.PreviousVisible(*visible[r]), r > 0 ? visible[r - 1] : nullptr);
        const Item& item = *visible[r];
        const std::size_t siblings = item.Parent() ? item.Parent()->ChildCount() : items.TopLevelCount();
        ASSERT_EQ(TreeItems::IsLastChild(item), item.Row() + 1 == siblings);
    }
    EXPECT_EQ(items.ItemAtRow(visible.size()), nullptr);
}

TEST(TreeItems, FirstChildrenNewestFirstThenLastChildrenInOrder)
{
    TreeItems items;
    Item& root = items.InsertLast(nullptr, u"root", 0, 0);
    items.InsertLast(&root, u"dir1", 0, 1);
    items.InsertFirst(&root, u"f1", 1, 2);
    items.InsertLast(&root, u"dir2", 0, 1);
    items.InsertFirst(&root, u"f2", 2, 2);
    std::vector<std::u16string> texts;
    for (std::size_t i = 0; i < root.ChildCount(); ++i) {
        texts.push_back(root.Child(i).Text());
        EXPECT_EQ(root.Child(i).Row(), i);
        EXPECT_EQ(root.Child(i).Parent(), &root);
        EXPECT_EQ(root.Child(i).Depth(), 1);
    }
    EXPECT_EQ(texts, (std::vector<std::u16string>{u"f2", u"f1", u"dir1", u"dir2"}));
    EXPECT_EQ(root.Parent(), nullptr);
    EXPECT_EQ(items.Count(), 5u);
}

TEST(TreeItems, CheckStatesFollowChildren)
{
    TreeItems items;
    Item& root = items.InsertLast(nullptr, u"root", 0, 0);
    Item& a = items.InsertLast(&root, u"a", 0, 0);
    Item& a1 = items.InsertFirst(&a, u"1", 1, 0);
    Item& a2 = items.InsertFirst(&a, u"2", 2, 0);
    Item& b = items.InsertLast(&root, u"b", 0, 0);  // a folder without children keeps its own state

    items.SetChecked(root, true);
    for (const Item* i : {&root, &a, &a1, &a2, &b})
        EXPECT_EQ(i->State(), CheckState::Checked);

    items.SetChecked(a1, false);
    EXPECT_EQ(a.State(), CheckState::Partial);
    EXPECT_EQ(root.State(), CheckState::Partial);
    EXPECT_FALSE(root.IsChecked());
    items.SetChecked(a2, false);
    EXPECT_EQ(a.State(), CheckState::Unchecked);
    EXPECT_EQ(root.State(), CheckState::Partial) << "b is still checked";
    items.SetChecked(b, false);
    EXPECT_EQ(root.State(), CheckState::Unchecked);

    items.SetChecked(a, true);
    EXPECT_TRUE(a1.IsChecked());
    EXPECT_EQ(root.State(), CheckState::Partial);
    items.SetChecked(b, true);
    EXPECT_EQ(root.State(), CheckState::Checked);

    // A new child arrives unchecked: the checked parents stop being checked.
    items.InsertFirst(&a, u"3", 3, 0);
    EXPECT_EQ(a.State(), CheckState::Partial);
    EXPECT_EQ(root.State(), CheckState::Partial);
    // The childless checked folder gets an unchecked child: now it reports the child.
    Item& b1 = items.InsertFirst(&b, u"x", 4, 0);
    EXPECT_EQ(b.State(), CheckState::Unchecked);
    items.SetChecked(b1, true);
    EXPECT_EQ(b.State(), CheckState::Checked);
}

TEST(TreeItems, RowLayoutMatchesAWalkThroughRandomChanges)
{
    std::mt19937 random(2912);
    TreeItems items;
    std::vector<Item*> all{&items.InsertLast(nullptr, u"root", 0, 0)};
    for (int step = 0; step < 1500; ++step) {
        Item& pick = *all[random() % all.size()];
        switch (random() % 10) {
        case 0: items.SetExpanded(pick, !pick.Expanded()); break;
        case 1: items.ExpandBranch(pick); break;
        case 2:
            if (step % 7 == 0)
                random() % 2 ? items.ExpandAll() : items.CollapseAll();
            break;
        case 3: all.push_back(&items.InsertFirst(random() % 4 ? &pick : nullptr, u"t", 0, 0)); break;
        default:
            all.push_back(random() % 2 ? &items.InsertFirst(&pick, u"f", 1, 0) : &items.InsertLast(&pick, u"d", 0, 0));
            if (random() % 2)
                items.SetExpanded(pick, true);
            break;
        }
        if (step % 50 == 0)
            ExpectLayoutMatchesWalk(items);
    }
    ExpectLayoutMatchesWalk(items);
    items.ExpandAll();
    ExpectLayoutMatchesWalk(items);
    EXPECT_EQ(items.VisibleRowCount(), items.Count());
    items.CollapseAll();
    EXPECT_EQ(items.VisibleRowCount(), items.TopLevelCount());
    ExpectLayoutMatchesWalk(items);
}

TEST(TreeItems, HiddenItemsHaveNoRowAndClearStartsOver)
{
    TreeItems items;
    Item& root = items.InsertLast(nullptr, u"root", 0, 0);
    Item& dir = items.InsertLast(&root, u"dir", 0, 0);
    Item& file = items.InsertFirst(&dir, u"f", 1, 0);
    EXPECT_EQ(items.RowOf(file), TreeItems::npos) << "nothing is expanded yet";
    items.SetExpanded(root, true);
    items.SetExpanded(dir, true);
    EXPECT_EQ(items.RowOf(file), 2u);
    items.SetExpanded(root, false);
    EXPECT_EQ(items.RowOf(file), TreeItems::npos);
    EXPECT_EQ(items.VisibleRowCount(), 1u);
    const auto generation = items.Generation();
    items.Clear();
    EXPECT_TRUE(items.Empty());
    EXPECT_EQ(items.VisibleRowCount(), 0u);
    EXPECT_EQ(items.ItemAtRow(0), nullptr);
    EXPECT_NE(items.Generation(), generation);
}

}  // namespace
}  // namespace halvane::testing
