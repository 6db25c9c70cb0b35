// The directory index of one scan: volumes in a chain, directories below
// the last volume, each directory under the first earlier directory whose
// name is a proper prefix of its own. It only checks structure; what it
// finds goes to the trace (duplicates, a directory before any volume).
//
// Placing a node means walking a sibling chain in order. Each chain also
// keeps its nodes' names by hash, so that the first sibling that is a proper
// prefix of the new name, and the equal names before it, are found by
// looking up the new name's prefixes instead of comparing every sibling:
// a backup with many directories at one level must not make the scan quadratic.
#pragma once

#include "reader/TraceSink.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace halvane::reader {

inline constexpr std::uint8_t kVolumeNode = 3;
inline constexpr std::uint8_t kDirectoryNode = 4;

struct CatalogDir;

struct DirChain {
    std::vector<std::unique_ptr<CatalogDir>> nodes;
    // hash of a node's name -> indexes in `nodes`, increasing
    std::unordered_map<std::uint64_t, std::vector<std::uint32_t>> byName;
};

struct CatalogDir {
    std::optional<std::string> name;
    std::uint8_t kind = 0;
    std::uint64_t blockPosition = 0;
    DirChain children;
};

class DirectoryIndex {
public:
    // Adds a node named after the current narrow name; a directory before
    // any volume makes up the volume "?:", which also becomes the narrow name.
    void AddIndexNode(std::uint8_t kind, std::uint64_t position, std::string& currentNarrowName, TraceSink& trace);

    [[nodiscard]] const DirChain& Volumes() const { return volumes_; }
    void Clear() { volumes_ = {}; }

private:
    static void Append(DirChain& chain, std::unique_ptr<CatalogDir> node);
    static void InsertDirNode(DirChain& chain, std::unique_ptr<CatalogDir> node, TraceSink& trace);

    DirChain volumes_;
};

}  // namespace halvane::reader
