// The items of the kit's check-box tree, without a window: text, image
// index, item data, smart check states, expansion, and the row layout the
// view draws (which item is on visible row r, and the row of an item).
//
// Children are kept in two runs so that inserting a first child and adding a
// last child are both O(1) and a child's row is known without a search:
// the "first" run holds items inserted as first child (shown newest first),
// the "last" run the items appended. Every item counts the rows it shows
// (itself plus, when expanded, its children's), and every item with
// children counts how many of them report checked and how many report
// checked or partly checked, so states and layout follow an insertion in
// O(depth).
//
// Smart check boxes: setting an item's state sets it on all descendants; an
// item with children reports checked exactly when all children do,
// unchecked when none is checked or partly checked, and partly otherwise.
//
// Ownership: the container owns every item; an Item reference stays valid
// until Clear(). Not thread-safe: the UI thread owns it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace halvane::widgets {

enum class CheckState : std::uint8_t { Unchecked, Partial, Checked };

class TreeItems {
public:
    class Item {
    public:
        [[nodiscard]] const std::u16string& Text() const { return text_; }
        [[nodiscard]] std::uint32_t Data() const { return data_; }
        [[nodiscard]] int Image() const { return image_; }
        // Null for top-level items.
        [[nodiscard]] Item* Parent() const { return parent_ != nullptr && parent_->depth_ >= 0 ? parent_ : nullptr; }
        [[nodiscard]] int Depth() const { return depth_; }
        [[nodiscard]] bool Expanded() const { return expanded_; }
        [[nodiscard]] std::size_t ChildCount() const { return first_.size() + last_.size(); }
        [[nodiscard]] bool HasChildren() const { return ChildCount() != 0; }
        [[nodiscard]] Item& Child(std::size_t row) const;
        // The row among its parent's children (or among the top level).
        [[nodiscard]] std::size_t Row() const;
        [[nodiscard]] CheckState State() const;
        [[nodiscard]] bool IsChecked() const { return State() == CheckState::Checked; }

    private:
        friend class TreeItems;
        std::u16string text_;
        std::uint32_t data_ = 0;
        int image_ = 0;
        Item* parent_ = nullptr;      // top-level items hang under a hidden container (depth -1)
        std::vector<std::unique_ptr<Item>> first_;
        std::vector<std::unique_ptr<Item>> last_;
        std::uint32_t slot_ = 0;      // index in the parent's run
        std::uint32_t checkedChildren_ = 0;
        std::uint32_t touchedChildren_ = 0;
        std::uint64_t rows_ = 1;      // visible rows of this item's subtree, itself included
        int depth_ = 0;
        bool inFirst_ = false;
        bool expanded_ = false;
        bool checked_ = false;        // own state; used while the item has no children
    };

    TreeItems();

    // Removes every item. Generation() changes, so holders of Item pointers can tell.
    void Clear();
    [[nodiscard]] std::uint64_t Generation() const { return generation_; }

    // Adds an item as the first or the last child of parent (null: the top level).
    Item& InsertFirst(Item* parent, std::u16string text, std::uint32_t data, int image);
    Item& InsertLast(Item* parent, std::u16string text, std::uint32_t data, int image);

    [[nodiscard]] std::size_t TopLevelCount() const { return top_.ChildCount(); }
    [[nodiscard]] Item& TopLevel(std::size_t row) const { return top_.Child(row); }
    [[nodiscard]] bool Empty() const { return top_.ChildCount() == 0; }
    [[nodiscard]] std::size_t Count() const { return count_; }

    void SetChecked(Item& item, bool checked);

    void SetExpanded(Item& item, bool expanded);
    // Expands item and every item below it.
    void ExpandBranch(Item& item);
    void ExpandAll();
    void CollapseAll();

    // Rows shown: items whose ancestors are all expanded, in display order.
    [[nodiscard]] std::uint64_t VisibleRowCount() const { return top_.rows_ - 1; }
    [[nodiscard]] Item* ItemAtRow(std::uint64_t row) const;
    // The visible row of item, expanding nothing; npos when an ancestor is collapsed.
    [[nodiscard]] std::uint64_t RowOf(const Item& item) const;
    // The next and previous visible items, or null.
    [[nodiscard]] Item* NextVisible(const Item& item) const;
    [[nodiscard]] Item* PreviousVisible(const Item& item) const;
    // Whether item is the last child of its parent (the tree lines stop there).
    [[nodiscard]] static bool IsLastChild(const Item& item);

    static constexpr std::uint64_t npos = ~std::uint64_t{0};

private:
    Item& Insert(Item* parent, std::u16string text, std::uint32_t data, int image, bool first);
    // Adds delta visible rows to item and its ancestors, up to a collapsed one.
    void AddRows(Item& item, std::int64_t delta);
    // Tells item's parent that item's reported state went from before to after.
    void StateChanged(Item& item, CheckState before);
    static void SetSubtree(Item& item, bool checked);
    static std::uint64_t Relayout(Item& item, bool expand);

    mutable Item top_;
    std::size_t count_ = 0;
    std::uint64_t generation_ = 0;
};

}  // namespace halvane::widgets
