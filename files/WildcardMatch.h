// The search's wildcard match over UTF-16 units: '?' is one unit, '*' any
// run; the pattern covers the whole path; case matters.
#pragma once

#include <atomic>
#include <string>
#include <string_view>

namespace halvane::files {

// 1 for a match, 0 otherwise. When `searching` is given and found 0 the
// match stops early and, as a rule, does not match.
[[nodiscard]] int WildcardMatch(std::u16string_view pattern, std::u16string_view path,
                                const std::atomic<int>* searching = nullptr);

// The rule for typed patterns: trimmed; one without '*' becomes *pattern*.
// Empty when there is nothing to search for.
[[nodiscard]] std::u16string SearchPattern(std::u16string_view typed);

}  // namespace halvane::files
