#include "files/SaveTargets.h"

#include "app/CatalogPaths.h"
#include "platform/TextCodec.h"

#include <vector>

namespace halvane::files {

namespace {

std::string SafeName(std::u16string_view component, bool removeColons)
{
    std::u16string name;
    for (char16_t c : component) {
        if (removeColons && c == u':')
            continue;
        name.push_back(c == u'/' || c == u'\0' ? u'_' : c);
    }
    if (name == u".")
        return "_";
    if (name == u"..")
        return "__";
    return platform::Utf16ToUtf8(name);
}

}  // namespace

std::optional<std::filesystem::path> SaveTarget(const std::filesystem::path& destination, std::u16string_view storedPath,
                                                bool hierarchy)
{
    const std::u16string fileName = app::FileNamePart(storedPath);
    const std::string safeFile = SafeName(fileName, hierarchy);
    if (safeFile.empty())
        return std::nullopt;
    std::filesystem::path target = destination;
    if (hierarchy) {
        const std::size_t folderEnd = storedPath.rfind(u'\\');
        std::size_t start = 0;
        while (start < folderEnd) {
            std::size_t end = storedPath.find(u'\\', start);
            if (end == std::u16string_view::npos || end > folderEnd)
                end = folderEnd;
            const std::string part = SafeName(storedPath.substr(start, end - start), true);
            if (!part.empty())
                target /= part;
            start = end + 1;
        }
    }
    return target / safeFile;
}

std::filesystem::path UniqueTargets::Claim(const std::filesystem::path& target)
{
    std::filesystem::path candidate = target;
    for (int n = 2; used_.count(candidate) != 0; ++n)
        candidate = target.parent_path() /
                    (target.stem().string() + " (" + std::to_string(n) + ")" + target.extension().string());
    used_.insert(candidate);
    return candidate;
}

}  // namespace halvane::files
