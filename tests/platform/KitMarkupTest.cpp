// Message texts: only line breaks and links are markup; the rest is text.
#include "platform/KitMarkup.h"

#include <gtest/gtest.h>

namespace halvane::testing {
namespace {

TEST(KitMarkup, OnlyBreaksAndLinksAreMarkup)
{
    struct Case { const char* text; const char* html; };
    for (const Case& c : std::vector<Case>{
             {"plain", "plain"},
             {"a<br>b\nc", "a<br>b<br>c"},
             {"Open <a href='https://x.example/a?b=1&c=2'>the page</a>.",
              "Open <a href=\"https://x.example/a?b=1&amp;c=2\">the page</a>."},
             {"<a href=\"t\">open", "<a href=\"t\">open</a>"},
             {"/tmp/<b>&x.bkf", "/tmp/&lt;b&gt;&amp;x.bkf"},
             {"<a href='x\">broken", "&lt;a href=&#39;x&quot;&gt;broken"},
             {"stray </a> and <script>", "stray &lt;/a&gt; and &lt;script&gt;"},
             {"<a href='q\"'>l</a>", "<a href=\"q&quot;\">l</a>"},
         })
        EXPECT_EQ(platform::KitMarkupToHtml(c.text), c.html) << c.text;
}

}  // namespace
}  // namespace halvane::testing
