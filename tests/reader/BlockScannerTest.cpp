// The window loop: where identifiers are found, the attribute byte rule,
// stops, skipping file data, progress and open failures.
#include "tests/support/ScanFixture.h"

#include <gtest/gtest.h>

#include <fstream>

namespace halvane::testing {
namespace {

// A minimal SSET at `at` in `size` zero bytes: its decode shows in the trace.
Bytes WithSsetAt(std::size_t size, std::size_t at, std::uint8_t attr4 = 0, std::uint8_t attr5 = 0)
{
    Bytes b(size, 0);
    const char* id = "SSET";
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(id[i]);
    b[at + 4] = attr4;
    b[at + 5] = attr5;
    return b;
}

TEST(BlockScanner, EmptyFileWritesOnlyTheFinalNewline)
{
    RecordingHost host;
    ScanBytes({}, host);
    EXPECT_EQ(host.trace.Text(), "\n");
    EXPECT_TRUE(host.records.empty());
    EXPECT_TRUE(host.progress.empty());
}

TEST(BlockScanner, FindsIdentifiersAtEveryWindowOffset)
{
    for (std::size_t at : {0u, 1019u, 1020u, 1021u, 1023u, 1024u, 2039u, 2040u}) {
        RecordingHost host;
        ScanBytes(WithSsetAt(4096, at), host);
        EXPECT_NE(host.trace.Text().find("\nSet 0: "), std::string::npos) << "at " << at;
    }
}

TEST(BlockScanner, AttributeRuleNeedsOneOfTheTwoBytesZero)
{
    struct Case { std::uint8_t a4, a5; bool hit; };
    for (const Case c : {Case{1, 2, false}, Case{1, 0, true}, Case{0, 7, true}, Case{0, 0, true}}) {
        RecordingHost host;
        ScanBytes(WithSsetAt(2048, 100, c.a4, c.a5), host);
        EXPECT_EQ(host.trace.Text().find("\nSet") != std::string::npos, c.hit) << int(c.a4) << "," << int(c.a5);
    }
}

TEST(BlockScanner, SecondAttributeByteOfOffset1019IsTheFilesByte)
{
    // SSET at 1019 with byte 1023 non-zero: the decision rests on byte 1024.
    Bytes b = WithSsetAt(4096, 1019, 1, 0);
    b[1024] = 9;
    RecordingHost rejected;
    ScanBytes(b, rejected);
    // Found again at the start of the next window, where the rule sees the same bytes.
    EXPECT_EQ(rejected.trace.Text().find("\nSet"), std::string::npos);
    b[1024] = 0;
    RecordingHost accepted;
    ScanBytes(b, accepted);
    EXPECT_NE(accepted.trace.Text().find("\nSet"), std::string::npos);
}

TEST(BlockScanner, WrongChecksumIsDecodedAnyway)
{
    BackupBuilder builder;
    builder.Set(1, u"Daily", u"", u"admin").Volume(u"C:").Directory({u"d"}).File(u"a.edb", {1, 2, 3});
    Bytes b = builder.Data();
    BreakChecksum(b, 0);
    RecordingHost host;
    ScanBytes(b, host);
    ASSERT_EQ(host.records.size(), 1u);
    EXPECT_EQ(host.records[0].Path(), u"BKFSET1(Dailyadmin)C\\d\\a.edb");
}

TEST(BlockScanner, StopDuringAFileBlockSendsThatRecordAndEnds)
{
    BackupBuilder builder;
    builder.Set(1, u"S", u"", u"u").Volume(u"C:");
    for (int i = 0; i < 5; ++i)
        builder.File(u"f" + std::u16string(1, char16_t(u'0' + i)), Bytes(100, 7));
    RecordingHost host;
    host.onFileFound = [&](std::size_t n) {
        if (n == 2)
            host.ProcessRunning() = 0;
    };
    ScanBytes(builder.Data(), host);
    EXPECT_EQ(host.records.size(), 2u);
    EXPECT_EQ(host.ProcessRunning().load(), 0);
    EXPECT_NE(host.trace.Text().back(), '\n') << "no final newline after a stop at a file block";
}

TEST(BlockScanner, IdentifiersInFileDataAreSkippedExceptTheLastNPlus25Bytes)
{
    const std::u16string name = u"x.bin";  // n = 10: the last 35 data bytes are scanned again
    const std::size_t n = 2 * name.size();
    for (const auto& [fromEnd, visited] : std::vector<std::pair<std::size_t, bool>>{{n + 26 + 20, false}, {n + 25, true}, {10, true}}) {
        Bytes data(4096, 0);
        const std::size_t at = data.size() - fromEnd;
        const char* id = "SSET";
        for (int i = 0; i < 4; ++i)
            data[at + i] = static_cast<std::uint8_t>(id[i]);
        BackupBuilder builder;
        builder.File(name, data);
        RecordingHost host;
        ScanBytes(builder.Data(), host);
        EXPECT_EQ(host.trace.Text().find("\nSet") != std::string::npos, visited) << fromEnd;
    }
}

TEST(BlockScanner, ProgressEveryTenThousandthOfTheFileAndNeverPastItsEnd)
{
    TempDir dir;
    const std::string path = dir.File("zeros.bkf");
    {
        std::ofstream out(path, std::ios::binary);
        out.seekp(100'000'000 - 1);
        out.put('\0');
    }
    RecordingHost host;
    ScanFile(path, host);
    ASSERT_FALSE(host.progress.empty());
    // Windows advance by 1020 bytes; a record goes out once 10,000 bytes have passed.
    EXPECT_EQ(host.progress[0].done, 10'200u);
    for (std::size_t i = 1; i < host.progress.size(); ++i)
        EXPECT_GE(host.progress[i].done - host.progress[i - 1].done, 10'000u);
    EXPECT_LE(host.progress.back().done, 100'000'000u);
    EXPECT_GT(host.progress.back().done, 100'000'000u - 10'200u);
    EXPECT_EQ(host.progress.back().total, 100'000'000u);
}

TEST(BlockScanner, SmallFileSendsProgressForEveryWindow)
{
    RecordingHost host;
    ScanBytes(Bytes(3000, 0), host);
    ASSERT_EQ(host.progress.size(), 3u);
    EXPECT_EQ(host.progress[0], (reader::ProgressRecord{1020, 3000}));
    EXPECT_EQ(host.progress[1], (reader::ProgressRecord{2040, 3000}));
    EXPECT_EQ(host.progress[2], (reader::ProgressRecord{3000, 3000}));
}

TEST(BlockScanner, OpenFailureShowsTheMessageAndNothingElse)
{
    RecordingHost host;
    reader::BkfReader reader(host);
    reader.Scan("/nonexistent/backup.bkf");
    EXPECT_EQ(host.messages, std::vector<std::string>{"Failed to open the file"});
    EXPECT_TRUE(host.trace.Text().empty());
    EXPECT_TRUE(host.progress.empty());
}

TEST(BlockScanner, ScanOfAnOpenReaderDoesNothing)
{
    TempDir dir;
    const std::string path = dir.File("b.bkf");
    BackupBuilder builder;
    builder.File(u"a", {1});
    WriteFile(path, builder.Data());
    RecordingHost host;
    reader::BkfReader reader(host);
    ASSERT_TRUE(reader.OpenBackupFile(path));
    reader.Scan(path);
    EXPECT_TRUE(host.records.empty());
    EXPECT_TRUE(host.trace.Text().empty());
}

TEST(BlockScanner, StopBeforeAWindowEndsTheScan)
{
    RecordingHost host;
    host.ProcessRunning() = 0;
    BackupBuilder builder;
    builder.File(u"a", {1});
    ScanBytes(builder.Data(), host);
    EXPECT_TRUE(host.records.empty());
    EXPECT_EQ(host.trace.Text(), "\n");
}

}  // namespace
}  // namespace halvane::testing
