#include "widgets/TreeItems.h"

namespace halvane::widgets {

TreeItems::Item& TreeItems::Item::Child(std::size_t row) const
{
    if (row < first_.size())
        return *first_[first_.size() - 1 - row];
    return *last_[row - first_.size()];
}

std::size_t TreeItems::Item::Row() const
{
    if (parent_ == nullptr)
        return 0;
    return inFirst_ ? parent_->first_.size() - 1 - slot_ : parent_->first_.size() + slot_;
}

CheckState TreeItems::Item::State() const
{
    const std::size_t n = ChildCount();
    if (n == 0)
        return checked_ ? CheckState::Checked : CheckState::Unchecked;
    if (checkedChildren_ == n)
        return CheckState::Checked;
    return touchedChildren_ == 0 ? CheckState::Unchecked : CheckState::Partial;
}

TreeItems::TreeItems()
{
    top_.depth_ = -1;
    top_.expanded_ = true;
}

void TreeItems::Clear()
{
    top_.first_.clear();
    top_.last_.clear();
    top_.rows_ = 1;
    count_ = 0;
    ++generation_;
}

TreeItems::Item& TreeItems::InsertFirst(Item* parent, std::u16string text, std::uint32_t data, int image)
{
    return Insert(parent, std::move(text), data, image, true);
}

TreeItems::Item& TreeItems::InsertLast(Item* parent, std::u16string text, std::uint32_t data, int image)
{
    return Insert(parent, std::move(text), data, image, false);
}

TreeItems::Item& TreeItems::Insert(Item* parent, std::u16string text, std::uint32_t data, int image, bool first)
{
    Item& p = parent != nullptr ? *parent : top_;
    const CheckState before = p.State();
    auto owned = std::make_unique<Item>();
    Item& item = *owned;
    item.text_ = std::move(text);
    item.data_ = data;
    item.image_ = image;
    item.parent_ = &p;
    item.depth_ = p.depth_ + 1;
    item.inFirst_ = first;
    auto& run = first ? p.first_ : p.last_;
    item.slot_ = static_cast<std::uint32_t>(run.size());
    run.push_back(std::move(owned));
    ++count_;
    if (p.expanded_)
        AddRows(p, 1);
    // The new child reports unchecked: the parent's counts stay, its state may not.
    StateChanged(p, before);
    return item;
}

void TreeItems::AddRows(Item& item, std::int64_t delta)
{
    for (Item* a = &item;;) {
        a->rows_ = static_cast<std::uint64_t>(static_cast<std::int64_t>(a->rows_) + delta);
        if (a->depth_ < 0 || !a->parent_->expanded_)
            return;
        a = a->parent_;
    }
}

void TreeItems::StateChanged(Item& item, CheckState before)
{
    Item* child = &item;
    CheckState childBefore = before;
    while (child->depth_ >= 0) {
        const CheckState childAfter = child->State();
        if (childAfter == childBefore)
            return;
        Item& p = *child->parent_;
        const CheckState parentBefore = p.State();
        if (p.depth_ >= 0) {
            p.checkedChildren_ += (childAfter == CheckState::Checked) - (childBefore == CheckState::Checked);
            p.touchedChildren_ += (childAfter != CheckState::Unchecked) - (childBefore != CheckState::Unchecked);
        }
        child = &p;
        childBefore = parentBefore;
    }
}

void TreeItems::SetSubtree(Item& item, bool checked)
{
    item.checked_ = checked;
    const auto n = static_cast<std::uint32_t>(item.ChildCount());
    item.checkedChildren_ = checked ? n : 0;
    item.touchedChildren_ = checked ? n : 0;
    for (auto& c : item.first_)
        SetSubtree(*c, checked);
    for (auto& c : item.last_)
        SetSubtree(*c, checked);
}

void TreeItems::SetChecked(Item& item, bool checked)
{
    const CheckState before = item.State();
    SetSubtree(item, checked);
    StateChanged(item, before);
}

void TreeItems::SetExpanded(Item& item, bool expanded)
{
    if (item.expanded_ == expanded || item.depth_ < 0)
        return;
    std::uint64_t childRows = 0;
    for (std::size_t i = 0; i < item.ChildCount(); ++i)
        childRows += item.Child(i).rows_;
    item.expanded_ = expanded;
    AddRows(item, expanded ? static_cast<std::int64_t>(childRows) : -static_cast<std::int64_t>(childRows));
}

std::uint64_t TreeItems::Relayout(Item& item, bool expand)
{
    std::uint64_t childRows = 0;
    for (auto& c : item.first_)
        childRows += Relayout(*c, expand);
    for (auto& c : item.last_)
        childRows += Relayout(*c, expand);
    if (item.depth_ >= 0)
        item.expanded_ = expand && item.HasChildren();
    item.rows_ = 1 + (item.expanded_ ? childRows : 0);
    return item.rows_;
}

void TreeItems::ExpandBranch(Item& item)
{
    const std::uint64_t before = item.rows_;
    Relayout(item, true);
    if (item.parent_->expanded_)
        AddRows(*item.parent_, static_cast<std::int64_t>(item.rows_) - static_cast<std::int64_t>(before));
}

void TreeItems::ExpandAll()
{
    Relayout(top_, true);
}

void TreeItems::CollapseAll()
{
    Relayout(top_, false);
}

TreeItems::Item* TreeItems::ItemAtRow(std::uint64_t row) const
{
    if (row >= VisibleRowCount())
        return nullptr;
    const Item* node = &top_;
    std::uint64_t r = row;
    for (;;) {
        Item* next = nullptr;
        for (std::size_t i = 0; i < node->ChildCount(); ++i) {
            Item& c = node->Child(i);
            if (r < c.rows_) {
                next = &c;
                break;
            }
            r -= c.rows_;
        }
        if (next == nullptr)
            return nullptr;
        if (r == 0)
            return next;
        r -= 1;
        node = next;
    }
}

std::uint64_t TreeItems::RowOf(const Item& item) const
{
    std::uint64_t row = 0;
    for (const Item* a = &item; a->depth_ >= 0; a = a->parent_) {
        const Item& p = *a->parent_;
        if (!p.expanded_)
            return npos;
        const std::size_t r = a->Row();
        for (std::size_t i = 0; i < r; ++i)
            row += p.Child(i).rows_;
        if (p.depth_ >= 0)
            row += 1;
    }
    return row;
}

TreeItems::Item* TreeItems::NextVisible(const Item& item) const
{
    if (item.expanded_ && item.HasChildren())
        return &item.Child(0);
    for (const Item* a = &item; a->depth_ >= 0; a = a->parent_) {
        const std::size_t r = a->Row();
        if (r + 1 < a->parent_->ChildCount())
            return &a->parent_->Child(r + 1);
    }
    return nullptr;
}

TreeItems::Item* TreeItems::PreviousVisible(const Item& item) const
{
    const std::size_t r = item.Row();
    if (r == 0)
        return item.Parent();
    Item* c = &item.parent_->Child(r - 1);
    while (c->expanded_ && c->HasChildren())
        c = &c->Child(c->ChildCount() - 1);
    return c;
}

bool TreeItems::IsLastChild(const Item& item)
{
    return item.parent_ == nullptr || item.Row() + 1 == item.parent_->ChildCount();
}

}  // namespace halvane::widgets
