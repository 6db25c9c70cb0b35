#include "app/CatalogTree.h"

#include "app/CatalogPaths.h"
#include "app/CToken.h"

#include <functional>

namespace halvane::app {

std::size_t CatalogTree::KeyHash::operator()(const Key& k) const noexcept
{
    const std::size_t h = std::hash<std::u16string_view>{}(k.text);
    return h ^ (std::hash<const void*>{}(k.parent) + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2));
}

CatalogTree::Item& CatalogTree::Reset(const std::u16string& rootText, int rootImage)
{
    index_.clear();
    items_.Clear();
    Item& root = items_.InsertLast(nullptr, rootText, 0, rootImage);
    index_.emplace(Key{nullptr, root.Text()}, &root);
    return root;
}

CatalogTree::Item* CatalogTree::FindChild(const Item* parent, std::u16string_view text) const
{
    const auto it = index_.find(Key{parent, text});
    return it == index_.end() ? nullptr : it->second;
}

CatalogTree::Item& CatalogTree::Add(Item* parent, const std::u16string& text, std::uint32_t record, bool asFile)
{
    const int image = images_ == nullptr ? 0 : asFile ? images_->FileImage(text) : images_->FolderImage();
    Item& item = asFile ? items_.InsertFirst(parent, text, record, image) : items_.InsertLast(parent, text, 0, image);
    index_.emplace(Key{parent, item.Text()}, &item);
    if (parent != nullptr)
        items_.SetExpanded(*parent, true);
    return item;
}

CatalogTree::Item* CatalogTree::InsertPath(const std::u16string& path, std::uint32_t record)
{
    const std::u16string fileName = FileNamePart(path);
    // Null stands for "none": the search is among the top-level items.
    Item* parent = items_.Empty() ? nullptr : &items_.TopLevel(0);
    Item* fileItem = nullptr;
    CToken tokens(path, u"\\");
    while (tokens.MoreTokens()) {
        const std::u16string token = tokens.NextToken();
        if (Item* found = FindChild(parent, token)) {
            parent = found;
            continue;
        }
        if (token.empty())
            continue;
        if (token != fileName) {
            parent = &Add(parent, token, 0, false);
        } else {
            fileItem = &Add(parent, token, record, true);
            parent = nullptr;
        }
    }
    return fileItem;
}

}  // namespace halvane::app
