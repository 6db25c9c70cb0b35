// Record paths, the record layout and the directory index's trace.
#include "tests/support/ScanFixture.h"

#include <gtest/gtest.h>

namespace halvane::testing {
namespace {

TEST(DirectoryCatalog, PathsFromTheReaderState)
{
    struct Case {
        std::function<void(BackupBuilder&)> build;
        std::u16string path;
    };
    const std::vector<Case> cases = {
        {[](BackupBuilder& b) { b.Set(1, u"Daily", u"", u"admin").Volume(u"C:").Directory({u"dir1", u"dir2"}).File(u"a.edb", {1}); },
         u"BKFSET1(Dailyadmin)C\\dir1\\dir2\\a.edb"},
        {[](BackupBuilder& b) { b.Volume(u"C:").Directory({u"d"}).File(u"x", {1}); }, u"(null)C\\d\\x"},
        {[](BackupBuilder& b) { b.File(u"bare", {1}); }, u"(null)bare"},
        {[](BackupBuilder& b) { b.Set(3, u"a:b?c", u"", u"<u>").Volume(u"").File(u"f", {1}); }, u"BKFSET3(a_b_c_u_)f"},
    };
    for (const auto& c : cases) {
        BackupBuilder builder;
        c.build(builder);
        RecordingHost host;
        ScanBytes(builder.Data(), host);
        ASSERT_EQ(host.records.size(), 1u);
        EXPECT_EQ(host.records[0].Path(), c.path);
        EXPECT_EQ(host.records[0].BlockPosition(), builder.FilePositions()[0]);
    }
}

TEST(DirectoryCatalog, RecordLayoutIsLittleEndianAndZeroElsewhere)
{
    reader::CatalogFile record;
    record.SetPath(u"AB");
    record.SetBlockPosition(0x0000000123456789ull);
    record.SetDataLength(0x01020304u);
    const auto b = record.Bytes();
    EXPECT_EQ(b[0], 'A');
    EXPECT_EQ(b[1], 0);
    EXPECT_EQ(b[2], 'B');
    EXPECT_EQ(b[2048], 0x89);
    EXPECT_EQ(b[2051], 0x23);
    EXPECT_EQ(b[2052], 0x01);
    EXPECT_EQ(b[2060], 0x04);
    EXPECT_EQ(b[2063], 0x01);
    std::size_t nonZero = 0;
    for (std::size_t i = 0; i < b.size(); ++i)
        nonZero += b[i] != 0;
    EXPECT_EQ(nonZero, 2u + 4u + 1u + 4u);
    EXPECT_EQ(reader::CatalogFile::FromBytes(b), record);
}

TEST(DirectoryCatalog, LongPathIsCutTo1023Units)
{
    BackupBuilder builder;
    builder.Set(1, std::u16string(220, u's'), u"", std::u16string(220, u'u')).Volume(u"C:");
    std::vector<std::u16string> parts(2, std::u16string(120, u'd'));
    builder.Directory(parts).File(std::u16string(500, u'n'), {1});
    RecordingHost host;
    ScanBytes(builder.Data(), host);
    ASSERT_EQ(host.records.size(), 1u);
    EXPECT_EQ(host.records[0].Path().size(), 1023u);
}

TEST(DirectoryCatalog, SizeFieldHoldsTheLowBitsOfLargeFiles)
{
    TempDir dir;
    const std::string path = dir.File("big.bkf");
    {
        FileSink sink(path);
        BackupBuilder builder(sink);
        builder.Volume(u"C:").SparseFile(u"big.edb", 5ull << 30);
        sink.Finish();
    }
    RecordingHost host;
    ScanFile(path, host);
    ASSERT_EQ(host.records.size(), 1u);
    EXPECT_EQ(host.records[0].DataLength(), 1u << 30);
}

TEST(DirectoryCatalog, IndexTrace)
{
    struct Case {
        std::function<void(BackupBuilder&)> build;
        std::string trace;
    };
    const std::vector<Case> cases = {
        {[](BackupBuilder& b) { b.Volume(u"C:").Directory({u"a"}).Directory({u"a"}); },
         "\ndevice name: C:\nerror duplicate DIRB \\a\\\n"},
        {[](BackupBuilder& b) { b.Directory({u"a"}); }, "\nDIR Tree warning, 1st node not a VOLUME! force '?:'\n"},
        {[](BackupBuilder& b) { b.Volume(u"C:").DirectoryRawName({}); }, "\ndevice name: C:\nskip truncated path\n"},
        {[](BackupBuilder& b) { b.Volume(u""); }, "\nWarning empty path in add_tree_node()\n"},
        {[](BackupBuilder& b) { b.Volume(u"C:").Directory({u"a"}).Directory({u"a", u"b"}).Directory({u"a", u"b"}).Directory({u"c"}); },
         "\ndevice name: C:\nerror duplicate DIRB \\a\\b\\\n"},
    };
    for (const auto& c : cases) {
        BackupBuilder builder;
        c.build(builder);
        RecordingHost host;
        ScanBytes(builder.Data(), host);
        EXPECT_EQ(host.trace.Text(), c.trace);
    }
}

TEST(DirectoryCatalog, ManyDirectoriesAtOneLevelStayFast)
{
    BackupBuilder builder;
    builder.Volume(u"C:");
    for (int i = 0; i < 20000; ++i)
        {
        std::string digits = std::to_string(i);
        builder.Directory({u"dir" + std::u16string(digits.begin(), digits.end())});
    }
    RecordingHost host;
    ScanBytes(builder.Data(), host);
    EXPECT_EQ(host.trace.Text().find("error duplicate"), std::string::npos);
}

}  // namespace
}  // namespace halvane::testing
