// A small tokenizer with the shell's splitting rule: tokens are the texts
// between separators, and a text without any separator yields no token.
#pragma once

#include <string>
#include <string_view>

namespace halvane::app {

class CToken {
public:
    explicit CToken(std::u16string text, std::u16string separator = u" ")
        : rest_(std::move(text)), separator_(std::move(separator)) {}

    // True while the separator occurs in the rest or the last token is due.
    [[nodiscard]] bool MoreTokens() const { return end_ || rest_.find(separator_) != std::u16string::npos; }
    // The text before the first separator; once none is left, the whole rest.
    [[nodiscard]] std::u16string NextToken();

private:
    std::u16string rest_;
    std::u16string separator_;
    bool end_ = false;
};

}  // namespace halvane::app
