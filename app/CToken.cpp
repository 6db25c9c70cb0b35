#include "app/CToken.h"

#include <utility>

namespace halvane::app {

std::u16string CToken::NextToken()
{
    if (end_) {
        end_ = false;
        return std::exchange(rest_, std::u16string());
    }
    const auto at = rest_.find(separator_);
    if (at == std::u16string::npos)
        return {};
    std::u16string token = rest_.substr(0, at);
    rest_.erase(0, at + separator_.size());
    if (rest_.find(separator_) == std::u16string::npos)
        end_ = true;
    return token;
}

}  // namespace halvane::app
