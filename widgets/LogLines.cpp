#include "widgets/LogLines.h"

namespace halvane::widgets {

void LogLines::Append(std::string_view utf8)
{
    text_.append(utf8);
    ends_.push_back(text_.size());
}

void LogLines::Clear()
{
    text_.clear();
    text_.shrink_to_fit();
    ends_.clear();
    ends_.shrink_to_fit();
}

std::string_view LogLines::Line(std::size_t i) const
{
    if (i >= ends_.size())
        return {};
    const std::uint64_t begin = i == 0 ? 0 : ends_[i - 1];
    return std::string_view(text_).substr(begin, ends_[i] - begin);
}

}  // namespace halvane::widgets
