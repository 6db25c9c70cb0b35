// SSET, VOLB and DIRB decoding and the TFDD walk.
#include "reader/DescriptorDecoders.h"
#include "reader/ScanBuffer.h"
#include "reader/TfddWalk.h"
#include "tests/support/ScanFixture.h"

#include <gtest/gtest.h>

namespace halvane::testing {
namespace {

using reader::ReaderState;

// A DIRB block of kDescriptorReach bytes whose name field holds `name`.
Bytes DirbBlock(const Bytes& name, std::uint16_t offset = 96)
{
    Bytes b(reader::kDescriptorReach, 0);
    b[80] = static_cast<std::uint8_t>(name.size());
    b[81] = static_cast<std::uint8_t>(name.size() >> 8);
    b[82] = static_cast<std::uint8_t>(offset);
    b[83] = static_cast<std::uint8_t>(offset >> 8);
    std::copy(name.begin(), name.end(), b.begin() + offset);
    return b;
}

TEST(DescriptorBlocks, DirectoryNames)
{
    struct Case {
        std::u16string units;
        std::string narrow;
        std::size_t wideUnits;
        int result;
    };
    const std::u16string e9 = u"caf\u00e9";
    const std::vector<Case> cases = {
        {std::u16string(1, u'\0'), "\\", 1, 1},
        {std::u16string(u"dir1\0dir2\0", 10), "\\dir1\\dir2\\", 11, 11},
        {u"", "", 0, 0},
        {std::u16string(300, u'a'), "\\" + std::string(254, 'a'), 254, -255},
        {e9 + u'\0', "\\caf\xe9\\", 6, 6},
    };
    for (const auto& c : cases) {
        ReaderState state;
        const Bytes block = DirbBlock(Utf16Bytes(c.units));
        EXPECT_EQ(reader::DecodeDirectory(block, state), c.result);
        EXPECT_EQ(state.narrowName, c.narrow);
        EXPECT_EQ(state.directoryPath.size(), c.wideUnits);
    }
}

TEST(DescriptorBlocks, UnitsAboveAByteKeepOnlyTheLowByte)
{
    ReaderState state;
    const Bytes block = DirbBlock(Utf16Bytes(std::u16string(u"\u00e9\u0419\0", 3)));
    (void)reader::DecodeDirectory(block, state);
    EXPECT_EQ(state.narrowName, "\\\xe9\x19\\");
    EXPECT_EQ(state.directoryPath, std::u16string(u"\\\u00e9\u0019\\"));
}

TEST(DescriptorBlocks, SetLabelAndTrace)
{
    BackupBuilder builder;
    builder.Set(1, u"Daily", u"Nightly run", u"admin");
    ReaderState state;
    reader::StringTraceSink trace;
    Bytes block = builder.Data();
    block.resize(reader::kDescriptorReach, 0);
    reader::DecodeSet(block, state, trace);
    ASSERT_TRUE(state.setLabel);
    EXPECT_EQ(*state.setLabel, u"BKFSET1(Dailyadmin)");
    EXPECT_EQ(trace.Text(), "\nSet 1: \nName: Daily\nDescription: Nightly run\nUser: admin");
}

TEST(DescriptorBlocks, SetSkipRule)
{
    for (const auto& [userUnits, decoded] : std::vector<std::pair<std::size_t, bool>>{{61, false}, {60, true}}) {
        BackupBuilder builder;
        builder.Set(2, u"N", u"", std::u16string(userUnits, u'u'), 1, 1);
        ReaderState state;
        reader::StringTraceSink trace;
        Bytes block = builder.Data();
        block.resize(reader::kDescriptorReach, 0);
        reader::DecodeSet(block, state, trace);
        EXPECT_EQ(state.setLabel.has_value(), decoded) << userUnits;
        EXPECT_EQ(trace.Text().empty(), !decoded);
    }
}

TEST(DescriptorBlocks, SecondSetReplacesTheLabel)
{
    BackupBuilder builder;
    builder.Set(1, u"A", u"", u"x").Volume(u"C:").File(u"one", {1}).Set(2, u"B", u"", u"y").File(u"two", {2});
    RecordingHost host;
    ScanBytes(builder.Data(), host);
    ASSERT_EQ(host.records.size(), 2u);
    EXPECT_EQ(host.records[0].Path(), u"BKFSET1(Ax)Cone");
    EXPECT_EQ(host.records[1].Path(), u"BKFSET2(By)Ctwo");
}

TEST(DescriptorBlocks, VolumeSetsTheDriveLetterAndTraces)
{
    BackupBuilder builder;
    builder.Volume(u"C:", u"System");
    ReaderState state;
    reader::StringTraceSink trace;
    Bytes block = builder.Data();
    block.resize(reader::kDescriptorReach, 0);
    reader::DecodeVolume(block, state, trace);
    EXPECT_EQ(state.driveLetter, 'C');
    EXPECT_EQ(state.narrowName, "C:");
    EXPECT_EQ(trace.Text(), "\ndevice name: C:\nvolume name: System");
}

TEST(DescriptorBlocks, EmptyStringWithOffsetZeroStaysEmpty)
{
    // A missing device name: size 0 and offset 0 must not name the block itself.
    Bytes block(reader::kDescriptorReach, 0);
    const char* id = "VOLB";
    std::copy(id, id + 4, block.begin());
    ReaderState state;
    reader::StringTraceSink trace;
    reader::DecodeVolume(block, state, trace);
    EXPECT_EQ(state.narrowName, "");
    EXPECT_EQ(state.driveLetter, 0);
    EXPECT_TRUE(trace.Text().empty());
}

TEST(DescriptorBlocks, TfddWalk)
{
    struct Case {
        std::vector<CatalogEntry> entries;
        std::int64_t result;
        bool error;
    };
    const std::vector<Case> cases = {
        {{{"VOLB", 40}, {"DIRB", 60}, {"ETED", 80}, {"FEND", 8}}, 22 + 40 + 60 + 80, false},
        {{{"FEND", 8}}, 22, false},
        {{{"ESET", 8}}, 22, false},
        {{{"VOLB", 1017}, {"FEND", 8}}, -1, true},
        {{{"VOLB", 1016}, {"FEND", 8}}, 22 + 1016, false},
        {{{"DIRB", 0}, {"FEND", 8}}, -1, true},
    };
    for (const auto& c : cases) {
        BackupBuilder builder;
        builder.Catalog(c.entries).Pad(64);
        TempDir dir;
        const std::string path = dir.File("t.bkf");
        WriteFile(path, builder.Data());
        platform::File file(path, platform::File::Mode::Read);
        reader::FileByteSource source(file);
        reader::StringTraceSink trace;
        EXPECT_EQ(reader::WalkTfdd(source, 0, trace), c.result);
        EXPECT_EQ(trace.Text() == "\nTFDD fatal read error", c.error);
    }
}

TEST(DescriptorBlocks, ScanResumesAfterTheEntryThatEndedTheWalk)
{
    // The catalog's own ETED entry must not become a record.
    BackupBuilder builder;
    builder.Volume(u"C:").Catalog({{"VOLB", 40}, {"DIRB", 40}, {"ETED", 40}, {"FEND", 8}}).File(u"real", {1});
    RecordingHost host;
    ScanBytes(builder.Data(), host);
    ASSERT_EQ(host.records.size(), 1u);
    EXPECT_EQ(host.records[0].Path(), u"(null)Creal");
}

}  // namespace
}  // namespace halvane::testing
