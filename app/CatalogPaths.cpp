#include "app/CatalogPaths.h"

namespace halvane::app {

std::u16string CollapseBackslashes(std::u16string_view path)
{
    std::u16string out;
    out.reserve(path.size());
    for (char16_t c : path)
        if (!(c == u'\\' && !out.empty() && out.back() == u'\\'))
            out.push_back(c);
    return out;
}

std::u16string FileNamePart(std::u16string_view path)
{
    const auto slash = path.rfind(u'\\');
    return slash == std::u16string_view::npos ? std::u16string() : std::u16string(path.substr(slash + 1));
}

}  // namespace halvane::app
