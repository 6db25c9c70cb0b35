// Path insertion into the catalog tree: the backup's root item, then the
// folders and files of every record path, with record numbers as item data.
// The items live in the tree control's container (widgets::TreeItems); this
// class adds the insertion rules and an index to find children by text.
//
// Insertion of a path (record number k): the path is split at backslashes;
// each token is looked up among the children of the current item (first
// match, case-sensitive); an empty token is skipped; a new token that is not
// the file name becomes a folder, appended as the last child; the file name
// becomes a file item, inserted as the first child, carrying k, after which
// the search goes on among the top-level items. Adding a child expands its
// parent. Looking a token up uses one hash index over (parent, text): no
// item ever gets two children of the same text, so the index gives the
// same first match as a scan of the children.
//
// Not thread-safe; the items must only change through this class while it
// indexes them (Reset starts over).
#pragma once

#include "widgets/TreeItems.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace halvane::app {

class CatalogTree {
public:
    using Item = widgets::TreeItems::Item;

    // Image indices for new items; the default gives 0 for all.
    class Images {
    public:
        virtual ~Images() = default;
        virtual int FileImage(const std::u16string& fileName) = 0;
        virtual int FolderImage() = 0;
    };

    explicit CatalogTree(widgets::TreeItems& items, Images* images = nullptr) : items_(items), images_(images) {}

    // Replaces everything by a single top-level item (the backup file's name).
    Item& Reset(const std::u16string& rootText, int rootImage = 0);
    // Inserts a record path; returns the item added for the file, or null
    // when the path added no file item.
    Item* InsertPath(const std::u16string& path, std::uint32_t record);

    // The child of parent (null: the top level) whose text is text, or null.
    [[nodiscard]] Item* FindChild(const Item* parent, std::u16string_view text) const;
    [[nodiscard]] widgets::TreeItems& Items() const { return items_; }

private:
    struct Key {
        const Item* parent;
        std::u16string_view text;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const noexcept;
    };
    Item& Add(Item* parent, const std::u16string& text, std::uint32_t record, bool asFile);

    widgets::TreeItems& items_;
    Images* images_;
    std::unordered_map<Key, Item*, KeyHash> index_;
};

}  // namespace halvane::app
