#include "files/RecoverySnapshot.h"
#include "tests/support/BackupBuilder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace halvane::testing {
namespace {

struct Loaded {
    bool valid = false;
    std::u16string backup;
    std::vector<reader::CatalogFile> records;
};

Loaded Load(const std::string& path)
{
    Loaded l;
    files::SnapshotReplay replay;
    replay.fileFound = [&](const reader::CatalogFile& r) { l.records.push_back(r); };
    l.valid = files::ReadSnapshot(path, l.backup, replay);
    return l;
}

class RecoverySnapshot : public ::testing::Test {
protected:
    void Fill(std::size_t n)
    {
        store.Create(dir.File("store"));
        for (std::size_t i = 0; i < n; ++i) {
            reader::CatalogFile r;
            r.SetPath(u"S\\C\\f" + std::u16string(1, char16_t(u'a' + i % 26)));
            r.SetBlockPosition(1000 * i);
            r.SetDataLength(static_cast<std::uint32_t>(i));
            (void)store.Append(r);
            records.push_back(r);
        }
    }
    TempDir dir;
    app::CatalogStore store;
    std::vector<reader::CatalogFile> records;
};

TEST_F(RecoverySnapshot, RoundTripKeepsRecordsAndBackupPath)
{
    Fill(300);
    ASSERT_TRUE(files::WriteSnapshot(dir.File("s.EXBKFNELVAR"), u"/data/backup.bkf", store));
    EXPECT_EQ(std::filesystem::file_size(dir.File("s.EXBKFNELVAR")), 2108u + 2274u * 300u);
    const Loaded l = Load(dir.File("s.EXBKFNELVAR"));
    ASSERT_TRUE(l.valid);
    EXPECT_EQ(l.backup, u"/data/backup.bkf");
    EXPECT_EQ(l.records, records);
}

TEST_F(RecoverySnapshot, OneRecordIs4382Bytes)
{
    Fill(1);
    ASSERT_TRUE(files::WriteSnapshot(dir.File("s"), u"b.bkf", store));
    EXPECT_EQ(std::filesystem::file_size(dir.File("s")), 4382u);
}

TEST_F(RecoverySnapshot, NoRecordsWritesTheFieldsAndFails)
{
    Fill(0);
    EXPECT_FALSE(files::WriteSnapshot(dir.File("s"), u"b.bkf", store));
    EXPECT_EQ(std::filesystem::file_size(dir.File("s")), 2108u);
}

TEST_F(RecoverySnapshot, ExtraBytesAndCutRecordsAreIgnored)
{
    Fill(3);
    ASSERT_TRUE(files::WriteSnapshot(dir.File("s"), u"b.bkf", store));
    Bytes bytes = ReadFileBytes(dir.File("s"));
    bytes.insert(bytes.end(), 100, 0xEE);
    WriteFile(dir.File("extra"), bytes);
    EXPECT_EQ(Load(dir.File("extra")).records.size(), 3u);
    Cut(bytes, 2108 + 2274 * 2 + 1000);
    WriteFile(dir.File("cut"), bytes);
    EXPECT_EQ(Load(dir.File("cut")).records.size(), 2u);
}

TEST_F(RecoverySnapshot, SignatureMustMatchExactly)
{
    Fill(1);
    ASSERT_TRUE(files::WriteSnapshot(dir.File("s"), u"b.bkf", store));
    const Bytes good = ReadFileBytes(dir.File("s"));
    struct Case { std::size_t at; std::uint8_t value; };
    for (const Case c : {Case{38, 'X'}, Case{0, 'n'}, Case{2, 'e'}}) {
        Bytes bad = good;
        bad[c.at] = c.value;
        WriteFile(dir.File("bad"), bad);
        EXPECT_FALSE(Load(dir.File("bad")).valid) << c.at;
    }
    Bytes tail = good;
    tail[50] = 'Z';  // units 20 to 29 are not looked at
    WriteFile(dir.File("tail"), tail);
    EXPECT_TRUE(Load(dir.File("tail")).valid);
    EXPECT_FALSE(Load(dir.File("missing")).valid);
}

TEST_F(RecoverySnapshot, StopKeepsTheRecordsSoFar)
{
    Fill(10);
    ASSERT_TRUE(files::WriteSnapshot(dir.File("s"), u"b.bkf", store));
    std::atomic<int> running{1};
    std::size_t seen = 0;
    files::SnapshotReplay replay;
    replay.running = &running;
    replay.fileFound = [&](const reader::CatalogFile&) {
        if (++seen == 4)
            running = 0;
    };
    std::u16string backup;
    EXPECT_TRUE(files::ReadSnapshot(dir.File("s"), backup, replay));
    EXPECT_EQ(seen, 4u);
}

}  // namespace
}  // namespace halvane::testing
