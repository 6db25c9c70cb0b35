#include "reader/DirectoryIndex.h"

#include <algorithm>
#include <limits>
#include <new>

namespace halvane::reader {

namespace {

constexpr std::uint64_t kFnvOffset = 1469598103934665603ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

std::uint64_t HashStep(std::uint64_t h, char c)
{
    return (h ^ static_cast<unsigned char>(c)) * kFnvPrime;
}

std::uint64_t HashOf(const std::string& s)
{
    std::uint64_t h = kFnvOffset;
    for (char c : s)
        h = HashStep(h, c);
    return h;
}

}  // namespace

void DirectoryIndex::Append(DirChain& chain, std::unique_ptr<CatalogDir> node)
{
    const auto index = static_cast<std::uint32_t>(chain.nodes.size());
    if (node->name)
        chain.byName[HashOf(*node->name)].push_back(index);
    chain.nodes.push_back(std::move(node));
}

void DirectoryIndex::InsertDirNode(DirChain& start, std::unique_ptr<CatalogDir> node, TraceSink& trace)
{
    DirChain* chain = &start;
    for (;;) {
        // A node without a name passes every sibling and ends the chain.
        if (!node->name) {
            Append(*chain, std::move(node));
            return;
        }
        const std::string& name = *node->name;

        // The first sibling whose name is a proper prefix of this one.
        std::uint32_t parent = std::numeric_limits<std::uint32_t>::max();
        std::uint64_t h = kFnvOffset;
        for (std::size_t len = 1; len < name.size(); ++len) {
            h = HashStep(h, name[len - 1]);
            const auto it = chain->byName.find(h);
            if (it == chain->byName.end())
                continue;
            for (std::uint32_t i : it->second) {
                if (i >= parent)
                    break;
                const std::string& other = *chain->nodes[i]->name;
                if (other.size() == len && name.compare(0, len, other) == 0) {
                    parent = i;
                    break;
                }
            }
        }

        // Equal names met before that sibling (or in the whole chain).
        if (const auto it = chain->byName.find(HashOf(name)); it != chain->byName.end()) {
            for (std::uint32_t i : it->second) {
                if (i >= parent)
                    break;
                if (*chain->nodes[i]->name == name)
                    trace.Write("\nerror duplicate DIRB " + name);
            }
        }

        if (parent == std::numeric_limits<std::uint32_t>::max()) {
            Append(*chain, std::move(node));
            return;
        }
        chain = &chain->nodes[parent]->children;
    }
}

void DirectoryIndex::AddIndexNode(std::uint8_t kind, std::uint64_t position, std::string& currentNarrowName,
                                  TraceSink& trace)
{
    std::unique_ptr<CatalogDir> node;
    try {
        node = std::make_unique<CatalogDir>();
        node->kind = kind;
        node->blockPosition = position;
        if (!currentNarrowName.empty())
            node->name = currentNarrowName;
    } catch (const std::bad_alloc&) {
        trace.Write("\nDIR Tree allocation error");
        return;
    }
    if (!node->name)
        trace.Write("\nWarning empty path in add_tree_node()");

    if (volumes_.nodes.empty()) {
        if (kind == kVolumeNode) {
            Append(volumes_, std::move(node));
            return;
        }
        trace.Write("\nDIR Tree warning, 1st node not a VOLUME! force '?:'");
        currentNarrowName = "?:";
        auto volume = std::make_unique<CatalogDir>();
        volume->kind = kVolumeNode;
        volume->name = currentNarrowName;
        Append(volumes_, std::move(volume));
    }

    if (kind == kVolumeNode) {
        Append(volumes_, std::move(node));
        return;
    }
    InsertDirNode(volumes_.nodes.back()->children, std::move(node), trace);
}

}  // namespace halvane::reader
