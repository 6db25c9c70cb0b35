#include "platform/KitMarkup.h"

namespace halvane::platform {

namespace {

void AppendEscaped(std::string& out, char c)
{
    switch (c) {
    case '&': out += "&amp;"; break;
    case '<': out += "&lt;"; break;
    case '>': out += "&gt;"; break;
    case '"': out += "&quot;"; break;
    case '\'': out += "&#39;"; break;
    default: out += c; break;
    }
}

bool StartsWith(std::string_view text, std::size_t at, std::string_view prefix)
{
    return text.substr(at, prefix.size()) == prefix;
}

}  // namespace

std::string KitMarkupToHtml(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 16);
    bool linkOpen = false;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\n') {
            out += "<br>";
            ++i;
        } else if (StartsWith(text, i, "<br>")) {
            out += "<br>";
            i += 4;
        } else if (!linkOpen && (StartsWith(text, i, "<a href='") || StartsWith(text, i, "<a href=\""))) {
            const char quote = text[i + 8];
            const std::size_t targetStart = i + 9;
            const std::size_t targetEnd = text.find(quote, targetStart);
            if (targetEnd == std::string_view::npos || targetEnd + 1 >= text.size() || text[targetEnd + 1] != '>') {
                AppendEscaped(out, text[i++]);
                continue;
            }
            out += "<a href=\"";
            for (char c : text.substr(targetStart, targetEnd - targetStart))
                AppendEscaped(out, c);
            out += "\">";
            linkOpen = true;
            i = targetEnd + 2;
        } else if (linkOpen && StartsWith(text, i, "</a>")) {
            out += "</a>";
            linkOpen = false;
            i += 4;
        } else {
            AppendEscaped(out, text[i++]);
        }
    }
    if (linkOpen)
        out += "</a>";
    return out;
}

}  // namespace halvane::platform
