// The fast scanner against the literal 1024-byte window reference, on
// generated backups, randomly corrupted backups and noise: identical
// records, progress records, trace bytes and messages.
#include "tests/support/ScanFixture.h"

#include <gtest/gtest.h>

namespace halvane::testing {
namespace {

std::uint64_t Next(std::uint64_t& s)
{
    s = s * 6364136223846793005ull + 1442695040888963407ull;
    return s >> 33;
}

// A backup with random structure; file data sometimes holds identifiers.
Bytes RandomBackup(std::uint64_t seed)
{
    std::uint64_t s = seed;
    BackupBuilder b;
    b.Tape();
    const int sets = 1 + static_cast<int>(Next(s) % 3);
    for (int set = 0; set < sets; ++set) {
        b.Set(static_cast<std::uint16_t>(set + 1), u"Set" + std::u16string(1, char16_t(u'A' + set)), u"d", u"admin");
        b.Volume(Next(s) % 4 == 0 ? u"" : u"C:", u"vol");
        const int dirs = static_cast<int>(Next(s) % 4);
        for (int d = 0; d <= dirs; ++d) {
            std::vector<std::u16string> parts;
            for (int k = 0; k <= static_cast<int>(Next(s) % 3); ++k)
                parts.push_back(u"d" + std::u16string(1, char16_t(u'0' + Next(s) % 5)));
            b.Directory(parts);
            const int files = static_cast<int>(Next(s) % 4);
            for (int f = 0; f < files; ++f) {
                Bytes data = RandomBytes(Next(s) % 5000, Next(s));
                if (!data.empty() && Next(s) % 2 == 0) {
                    const char* ids[] = {"SSET", "VOLB", "DIRB", "ETED", "TFDD", "FEND"};
                    const char* id = ids[Next(s) % 6];
                    const std::size_t at = Next(s) % data.size();
                    for (std::size_t i = 0; i < 6 && at + i < data.size(); ++i)
                        data[at + i] = i < 4 ? static_cast<std::uint8_t>(id[i]) : 0;
                }
                b.File(u"file" + std::u16string(1, char16_t(u'a' + f)) + u".edb", data);
            }
        }
        if (Next(s) % 2 == 0)
            b.Catalog({{"VOLB", 40}, {"DIRB", static_cast<std::uint16_t>(8 + Next(s) % 1100)}, {"FEND", 8}});
        b.EndOfSet();
    }
    return b.Data();
}

void ExpectSameScan(const Bytes& bytes, const std::string& what, std::size_t stopAfter = 0)
{
    TempDir dir;
    const std::string path = dir.File("b.bkf");
    WriteFile(path, bytes);
    RecordingHost fast, literal;
    for (RecordingHost* h : {&fast, &literal})
        if (stopAfter != 0)
            h->onFileFound = [h, stopAfter](std::size_t n) {
                if (n == stopAfter)
                    h->ProcessRunning() = 0;
            };
    ScanFile(path, fast, Engine::Fast);
    ScanFile(path, literal, Engine::Literal);
    ASSERT_EQ(fast.records.size(), literal.records.size()) << what;
    for (std::size_t i = 0; i < fast.records.size(); ++i)
        EXPECT_EQ(fast.records[i], literal.records[i]) << what << " record " << i;
    EXPECT_EQ(fast.progress, literal.progress) << what;
    EXPECT_EQ(fast.trace.Text(), literal.trace.Text()) << what;
    EXPECT_EQ(fast.messages, literal.messages) << what;
    EXPECT_EQ(fast.ProcessRunning().load(), literal.ProcessRunning().load()) << what;
}

TEST(DifferentialScan, GeneratedBackups)
{
    for (std::uint64_t seed = 1; seed <= 40; ++seed)
        ExpectSameScan(RandomBackup(seed), "seed " + std::to_string(seed));
}

TEST(DifferentialScan, CorruptedBackups)
{
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        Bytes b = RandomBackup(seed * 7);
        FlipBytes(b, 1 + seed % 40, seed);
        if (seed % 3 == 0)
            Cut(b, b.size() * (seed % 10) / 10);
        ExpectSameScan(b, "seed " + std::to_string(seed));
    }
}

TEST(DifferentialScan, StoppedScans)
{
    for (std::size_t stop : {1u, 2u, 5u})
        ExpectSameScan(RandomBackup(11), "stop " + std::to_string(stop), stop);
}

TEST(DifferentialScan, IdentifierSoup)
{
    // Identifiers packed at every alignment, around window edges and the end of the file.
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        std::uint64_t s = seed;
        Bytes b = RandomBytes(3000 + Next(s) % 9000, seed);
        for (std::size_t at = Next(s) % 50; at + 6 < b.size(); at += 1 + Next(s) % 700) {
            const auto& id = reader::BlockIdTable[Next(s) % reader::kBlockIdCount];
            for (std::size_t i = 0; i < 4; ++i)
                b[at + i] = static_cast<std::uint8_t>(id[i]);
            b[at + 4] = static_cast<std::uint8_t>(Next(s) % 3 == 0 ? 1 : 0);
            b[at + 5] = static_cast<std::uint8_t>(Next(s) % 2);
        }
        ExpectSameScan(b, "soup " + std::to_string(seed));
    }
}

}  // namespace
}  // namespace halvane::testing
