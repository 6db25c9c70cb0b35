// UTF-8 (file names, terminals) to and from UTF-16 (records, snapshots).
// Invalid input never fails: it becomes U+FFFD.
#pragma once

#include <string>
#include <string_view>

namespace halvane::platform {

[[nodiscard]] std::u16string Utf8ToUtf16(std::string_view text);
[[nodiscard]] std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace halvane::platform
