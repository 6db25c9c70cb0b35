#include "files/WildcardMatch.h"

namespace halvane::files {

namespace {
bool Stopped(const std::atomic<int>* searching)
{
    return searching != nullptr && searching->load(std::memory_order_relaxed) == 0;
}

bool IsSpace(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}
}  // namespace

int WildcardMatch(std::u16string_view pattern, std::u16string_view path, const std::atomic<int>* searching)
{
    const std::size_t n = pattern.size();
    std::size_t p = 0;
    std::size_t s = 0;
    while (s < path.size() && !(p < n && pattern[p] == u'*')) {
        if (Stopped(searching))
            return p == n ? 1 : 0;
        if (p >= n || (pattern[p] != u'?' && pattern[p] != path[s]))
            return 0;
        ++p;
        ++s;
    }
    if (Stopped(searching))
        return p == n ? 1 : 0;
    std::size_t mark = 0;
    std::size_t resume = 0;
    while (s < path.size()) {
        if (p < n && pattern[p] == u'*') {
            if (++p == n)
                return 1;
            mark = p;
            resume = s + 1;
        } else if (p < n && (pattern[p] == u'?' || pattern[p] == path[s])) {
            ++p;
            ++s;
        } else {
            p = mark;
            s = resume++;
        }
    }
    if (Stopped(searching))
        return p == n ? 1 : 0;
    while (p < n && pattern[p] == u'*')
        ++p;
    return p == n ? 1 : 0;
}

std::u16string SearchPattern(std::u16string_view typed)
{
    std::size_t b = 0;
    std::size_t e = typed.size();
    while (b < e && IsSpace(typed[b]))
        ++b;
    while (e > b && IsSpace(typed[e - 1]))
        --e;
    std::u16string pattern(typed.substr(b, e - b));
    if (!pattern.empty() && pattern.find(u'*') == std::u16string::npos)
        pattern = u"*" + pattern + u"*";
    return pattern;
}

}  // namespace halvane::files
