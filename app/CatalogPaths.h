// Helpers over stored record paths (backslash-separated UTF-16).
#pragma once

#include <string>
#include <string_view>

namespace halvane::app {

// Every run of backslashes becomes one backslash.
[[nodiscard]] std::u16string CollapseBackslashes(std::u16string_view path);

// The text after the last backslash; empty when there is none.
[[nodiscard]] std::u16string FileNamePart(std::u16string_view path);

}  // namespace halvane::app
