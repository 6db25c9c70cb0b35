// The catalog tree as data: the backup's root item, folders and files found
// by inserting record paths, with record numbers and tri-state check boxes.
// The desktop tree shows exactly this structure; keeping it here lets the
// insertion rules be tested without a window and lets them stay fast.
//
// Insertion of a path (record number k): the path is split at backslashes;
// each token is looked up among the children of the current item (first
// match, case-sensitive); an empty token is skipped; a new token that is not
// the file name becomes a folder, appended as the last child; the file name
// becomes a file item, inserted as the first child, carrying k. Looking a
// token up uses a hash index per item: no item ever has two children of the
// same text, so the index gives the same first match as a scan.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace halvane::app {

class CatalogTree {
public:
    struct Item {
        std::u16string text;
        std::uint32_t record = 0;  // 0 for folders and the root
        bool isFile = false;
        bool checked = false;      // own state; items with children report their children's
        Item* parent = nullptr;
        std::list<std::unique_ptr<Item>> children;
        std::unordered_map<std::u16string, Item*> byText;
        void* view = nullptr;      // the view's item for this one, not owned
    };
    // Told of every item insertion adds: the item and whether it went first.
    using AddedFn = void (*)(void* context, Item& item, bool asFirst);

    // Replaces everything by a single root item (the backup file's name).
    Item& Reset(const std::u16string& rootText);
    // The first top-level item, or null before the first Reset.
    [[nodiscard]] Item* Root() { return top_.children.empty() ? nullptr : top_.children.front().get(); }
    // The top level: the root and, for odd paths, items added beside it.
    [[nodiscard]] const Item& TopLevel() const { return top_; }

    // Inserts a record path; returns the item added for the file, or null
    // when the path added no file item.
    Item* InsertPath(const std::u16string& path, std::uint32_t record, AddedFn added = nullptr,
                     void* context = nullptr);

    // Sets an item's state on it and all its descendants.
    static void SetChecked(Item& item, bool checked);
    // Checked when it has no children and is checked itself, or when all its children are checked.
    [[nodiscard]] static bool IsChecked(const Item& item);
    [[nodiscard]] static Item* FindChild(const Item& parent, const std::u16string& text);

    [[nodiscard]] std::size_t ItemCount() const { return count_; }

private:
    static Item& AddChild(Item& parent, std::u16string text, bool asFirst);

    Item top_;
    std::size_t count_ = 0;
};

}  // namespace halvane::app
