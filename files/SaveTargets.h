// Where a save writes a stored path. Stored paths come from a possibly
// damaged or hostile backup, so each backslash-separated component becomes
// one folder or file name that cannot leave the destination: empty
// components are dropped, "." and ".." become "_" and "__", a '/' inside a
// component becomes '_'; in folder hierarchy mode colons are removed.
#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace halvane::files {

// The target of a stored path under `destination`, or none when the stored
// path has no file name part to save.
[[nodiscard]] std::optional<std::filesystem::path> SaveTarget(const std::filesystem::path& destination,
                                                              std::u16string_view storedPath, bool hierarchy);

// Keeps one save from writing two rows into one file: a target already
// written in this save gets " (2)", " (3)", ... before its extension.
class UniqueTargets {
public:
    [[nodiscard]] std::filesystem::path Claim(const std::filesystem::path& target);

private:
    std::set<std::filesystem::path> used_;
};

}  // namespace halvane::files
