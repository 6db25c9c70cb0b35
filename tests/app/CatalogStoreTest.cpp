// The record store: numbering, collapsed paths, reads past the end.
#include "app/CatalogPaths.h"
#include "app/CatalogStore.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace halvane::testing {
namespace {

TEST(CatalogPaths, CollapseAndFileNamePart)
{
    EXPECT_EQ(app::CollapseBackslashes(u"a\\\\b\\\\\\c\\"), u"a\\b\\c\\");
    EXPECT_EQ(app::CollapseBackslashes(u"\\\\"), u"\\");
    EXPECT_EQ(app::FileNamePart(u"S\\C\\x.edb"), u"x.edb");
    EXPECT_EQ(app::FileNamePart(u"nobackslash"), u"");
    EXPECT_EQ(app::FileNamePart(u"dir\\"), u"");
}

TEST(CatalogStore, NumbersRecordsAndStoresCollapsedPathsWithoutStaleUnits)
{
    TempDir dir;
    app::CatalogStore store;
    store.Create(dir.File("store"));
    reader::CatalogFile a;
    a.SetPath(u"S\\\\C\\\\\\x.edb");
    a.SetBlockPosition(77);
    EXPECT_EQ(store.Append(a), 1u);
    reader::CatalogFile b;
    b.SetPath(u"y");
    EXPECT_EQ(store.Append(b), 2u);
    EXPECT_EQ(std::filesystem::file_size(dir.File("store")), 2u * 2274u);

    const reader::CatalogFile back = store.Read(1);
    EXPECT_EQ(back.Path(), u"S\\C\\x.edb");
    EXPECT_EQ(back.BlockPosition(), 77u);
    // Nothing of the longer original path stays behind its terminator.
    for (std::size_t i = 2 * back.Path().size(); i < 2048; ++i)
        ASSERT_EQ(back.Bytes()[i], 0) << i;
    EXPECT_EQ(store.Read(3), reader::CatalogFile());
    store.CloseAndRemove();
    EXPECT_FALSE(std::filesystem::exists(dir.File("store")));
    EXPECT_EQ(store.Read(1), reader::CatalogFile()) << "a closed store reads as zeros";
}

}  // namespace
}  // namespace halvane::testing
