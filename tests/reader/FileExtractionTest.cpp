// Extract mode: chunking, the preview limit, odd lengths and failures.
#include "platform/FileError.h"
#include "tests/support/ScanFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace halvane::testing {
namespace {

constexpr std::uint64_t MiB = 1 << 20;

struct Extraction {
    std::uint64_t written;
    Bytes output;
};

Extraction ExtractOne(const Bytes& data, bool preview)
{
    TempDir dir;
    BackupBuilder builder;
    builder.Volume(u"C:").File(u"f.bin", data);
    WriteFile(dir.File("b.bkf"), builder.Data());
    RecordingHost host;
    reader::BkfReader reader(host);
    EXPECT_TRUE(reader.OpenBackupFile(dir.File("b.bkf")));
    const auto result = reader.ProcessFileBlock(builder.FilePositions()[0], reader::FileBlockMode::Extract,
                                                dir.File("out"), preview ? 1 : 0);
    return {static_cast<std::uint64_t>(result), ReadFileBytes(dir.File("out"))};
}

TEST(FileExtraction, CopiesExactlyTheData)
{
    for (const std::uint64_t size : std::vector<std::uint64_t>{0, 1, MiB, 2 * MiB + MiB / 2, 4 * MiB + MiB / 2}) {
        const Bytes data = RandomBytes(size, size + 1);
        for (bool preview : {false, true}) {
            const auto e = ExtractOne(data, preview);
            EXPECT_EQ(e.written, size);
            EXPECT_EQ(e.output, data) << size;
        }
    }
}

TEST(FileExtraction, PreviewStopsAfterFiveMebibytes)
{
    TempDir dir;
    const std::string path = dir.File("big.bkf");
    std::uint64_t position = 0;
    {
        FileSink sink(path);
        BackupBuilder builder(sink);
        builder.SparseFile(u"big", 100 * MiB);
        position = builder.FilePositions()[0];
        sink.Finish();
    }
    RecordingHost host;
    reader::BkfReader reader(host);
    ASSERT_TRUE(reader.OpenBackupFile(path));
    const auto preview = reader.Extract(position, dir.File("p"), true);
    EXPECT_EQ(preview.bytesWritten, 5 * MiB);
    EXPECT_EQ(std::filesystem::file_size(dir.File("p")), 5 * MiB);
}

TEST(FileExtraction, ChunkPlan)
{
    struct Case { std::int64_t d; bool preview; std::int64_t chunks; std::int64_t tail; };
    for (const Case c : std::vector<Case>{
             {0, false, 0, 0},
             {1 << 20, false, 1, 0},
             {2621440, false, 2, 524288},
             {100 << 20, true, 4, 96 << 20},
             {5ll << 30, false, 5120, 0},
             {(5ll << 30) + 7, true, 4, (5ll << 30) + 7 - (4 << 20)},
             {-5, false, 0, -5},
         }) {
        const auto plan = reader::PlanExtraction(c.d, c.preview);
        EXPECT_EQ(plan.chunks, c.chunks) << c.d;
        EXPECT_EQ(plan.tail, c.tail) << c.d;
    }
}

TEST(FileExtraction, NegativeDataLengthWritesAnEmptyFile)
{
    TempDir dir;
    BackupBuilder builder;
    builder.EtedRaw(2, 8, Bytes(64, 'x'));
    WriteFile(dir.File("b.bkf"), builder.Data());
    RecordingHost host;
    reader::BkfReader reader(host);
    ASSERT_TRUE(reader.OpenBackupFile(dir.File("b.bkf")));
    EXPECT_EQ(reader.ProcessFileBlock(0, reader::FileBlockMode::Extract, dir.File("o"), 0), 0);
    EXPECT_TRUE(std::filesystem::exists(dir.File("o")));
    EXPECT_EQ(std::filesystem::file_size(dir.File("o")), 0u);
}

TEST(FileExtraction, ClearedFlagCutsTheCopyAfterOneChunkAndTheTail)
{
    TempDir dir;
    BackupBuilder builder;
    const Bytes data = RandomBytes(6 * MiB + 100, 3);
    builder.File(u"f", data);
    WriteFile(dir.File("b.bkf"), builder.Data());
    RecordingHost host;
    host.Extracting() = 0;
    reader::BkfReader reader(host);
    ASSERT_TRUE(reader.OpenBackupFile(dir.File("b.bkf")));
    // One chunk, then the tail of D after the six chunks counted: 100 bytes.
    EXPECT_EQ(reader.Extract(builder.FilePositions()[0], dir.File("o"), false).bytesWritten, MiB + 100);
}

TEST(FileExtraction, OutputThatCannotBeCreatedWritesNothingAndSaysNothing)
{
    TempDir dir;
    BackupBuilder builder;
    builder.File(u"f", {1, 2});
    WriteFile(dir.File("b.bkf"), builder.Data());
    RecordingHost host;
    reader::BkfReader reader(host);
    ASSERT_TRUE(reader.OpenBackupFile(dir.File("b.bkf")));
    EXPECT_EQ(reader.ProcessFileBlock(builder.FilePositions()[0], reader::FileBlockMode::Extract,
                                      dir.File("missing/out"), 0),
              -1);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_THROW((void)reader.Extract(builder.FilePositions()[0], dir.File("missing/out"), false), platform::FileError);
}

TEST(FileExtraction, OpenBackupFileOnAnOpenReader)
{
    TempDir dir;
    WriteFile(dir.File("b.bkf"), {1});
    RecordingHost host;
    reader::BkfReader reader(host);
    EXPECT_TRUE(reader.OpenBackupFile(dir.File("b.bkf")));
    EXPECT_FALSE(reader.OpenBackupFile(dir.File("b.bkf")));
    EXPECT_TRUE(reader.IsBackupFileOpen());
    EXPECT_TRUE(host.messages.empty());
    reader.CloseBackupFile();
    EXPECT_FALSE(reader.OpenBackupFile(dir.File("none.bkf")));
    EXPECT_EQ(host.messages, std::vector<std::string>{"Failed to open the file"});
}

TEST(FileExtraction, NameLongerThan1024BytesGivesNoRecord)
{
    BackupBuilder builder;
    builder.EtedRaw(4 + 1025 + 10, 1025, Bytes(1035, 'a')).Pad(100).File(u"next", {1});
    RecordingHost host;
    ScanBytes(builder.Data(), host);
    ASSERT_EQ(host.records.size(), 1u);
    EXPECT_EQ(host.records[0].Path(), u"(null)next");
}

}  // namespace
}  // namespace halvane::testing
