#include "app/CatalogTree.h"

#include "app/CatalogPaths.h"
#include "app/CToken.h"

namespace halvane::app {

CatalogTree::Item& CatalogTree::Reset(const std::u16string& rootText)
{
    top_.children.clear();
    top_.byText.clear();
    count_ = 1;
    return AddChild(top_, rootText, false);
}

CatalogTree::Item* CatalogTree::FindChild(const Item& parent, const std::u16string& text)
{
    const auto it = parent.byText.find(text);
    return it == parent.byText.end() ? nullptr : it->second;
}

CatalogTree::Item& CatalogTree::AddChild(Item& parent, std::u16string text, bool asFirst)
{
    auto item = std::make_unique<Item>();
    item->text = std::move(text);
    item->parent = &parent;
    Item& added = *item;
    parent.byText.emplace(added.text, &added);
    if (asFirst)
        parent.children.push_front(std::move(item));
    else
        parent.children.push_back(std::move(item));
    return added;
}

CatalogTree::Item* CatalogTree::InsertPath(const std::u16string& path, std::uint32_t record, AddedFn added,
                                           void* context)
{
    const std::u16string fileName = FileNamePart(path);
    // After a file item the parent is "none": the search goes on among the top level.
    Item* parent = Root() != nullptr ? Root() : &top_;
    Item* fileItem = nullptr;
    CToken tokens(path, u"\\");
    while (tokens.MoreTokens()) {
        const std::u16string token = tokens.NextToken();
        if (Item* found = FindChild(*parent, token)) {
            parent = found;
            continue;
        }
        if (token.empty())
            continue;
        if (token != fileName) {
            parent = &AddChild(*parent, token, false);
            ++count_;
            if (added != nullptr)
                added(context, *parent, false);
        } else {
            fileItem = &AddChild(*parent, token, true);
            fileItem->isFile = true;
            fileItem->record = record;
            ++count_;
            if (added != nullptr)
                added(context, *fileItem, true);
            parent = &top_;
        }
    }
    return fileItem;
}

void CatalogTree::SetChecked(Item& item, bool checked)
{
    item.checked = checked;
    for (auto& child : item.children)
        SetChecked(*child, checked);
}

bool CatalogTree::IsChecked(const Item& item)
{
    if (item.children.empty())
        return item.checked;
    for (const auto& child : item.children)
        if (!IsChecked(*child))
            return false;
    return true;
}

}  // namespace halvane::app
