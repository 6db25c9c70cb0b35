// The lines of a log list, packed: one UTF-8 buffer and the end offset of
// every line, so a million lines cost their text and eight bytes each.
// Not thread-safe; the UI thread owns it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace halvane::widgets {

class LogLines {
public:
    void Append(std::string_view utf8);
    void Clear();
    [[nodiscard]] std::size_t Count() const { return ends_.size(); }
    // Line i, valid until the next Append or Clear; empty when i is out of range.
    [[nodiscard]] std::string_view Line(std::size_t i) const;

private:
    std::string text_;
    std::vector<std::uint64_t> ends_;
};

}  // namespace halvane::widgets
