// The message texts' markup: plain text in which only "<br>" (a line
// break) and a link "<a href='TARGET'>label</a>" (single or double quotes)
// mean something. KitMarkupToHtml escapes everything else, so a path or an
// error text holding "<", ">" or "&" is shown as it is, never as HTML.
#pragma once

#include <string>
#include <string_view>

namespace halvane::platform {

// UTF-8 in, HTML out. A newline is a line break too; a link left open is
// closed at the end.
[[nodiscard]] std::string KitMarkupToHtml(std::string_view text);

}  // namespace halvane::platform
