// The save engine: folder hierarchy and flat mode, hostile stored paths,
// duplicate names, and every saved byte against what went into the fixture.
#include "files/SaveJob.h"
#include "files/SaveTargets.h"
#include "tests/support/ScanFixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace halvane::testing {
namespace {

namespace fs = std::filesystem;

TEST(SaveTargets, EveryComponentStaysInsideTheDestination)
{
    struct Case { std::u16string stored; bool hierarchy; std::optional<std::string> target; };
    const std::vector<Case> cases = {
        {u"S1C\\Data\\Mail\\priv1.edb", true, "out/S1C/Data/Mail/priv1.edb"},
        {u"S1C\\Data\\Mail\\priv1.edb", false, "out/priv1.edb"},
        {u"S\\..\\..\\etc\\passwd", true, "out/S/__/__/etc/passwd"},
        {u"S\\.\\a\\..", true, "out/S/_/a/__"},
        {u"S\\x/y\\f/g", true, "out/S/x_y/f_g"},
        {u"S\\\\\\C:\\d\\\\f", true, "out/S/C/d/f"},
        {u"\\..", false, "out/__"},
        {u"S\\dir\\", true, std::nullopt},
        {u"nobackslash", true, std::nullopt},
        {u"S\\:", true, std::nullopt},
    };
    for (const auto& c : cases) {
        const auto target = files::SaveTarget("out", c.stored, c.hierarchy);
        ASSERT_EQ(target.has_value(), c.target.has_value());
        if (target) {
            EXPECT_EQ(target->string(), *c.target);
        }
    }
}

TEST(SaveTargets, LaterRowsOfOneSaveGetNumberedNames)
{
    files::UniqueTargets targets;
    EXPECT_EQ(targets.Claim("o/x.log").string(), "o/x.log");
    EXPECT_EQ(targets.Claim("o/x.log").string(), "o/x (2).log");
    EXPECT_EQ(targets.Claim("o/x.log").string(), "o/x (3).log");
    EXPECT_EQ(targets.Claim("o/noext").string(), "o/noext");
    EXPECT_EQ(targets.Claim("o/noext").string(), "o/noext (2)");
}

class SaveFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        builder.Set(1, u"S", u"", u"u").Volume(u"C:");
        const std::vector<std::pair<std::vector<std::u16string>, std::u16string>> files = {
            {{u"A"}, u"x.log"}, {{u"B"}, u"x.log"}, {{u"A", u".."}, u"y.edb"}, {{u"C"}, u"big.bin"}};
        for (std::size_t i = 0; i < files.size(); ++i) {
            builder.Directory(files[i].first);
            data.push_back(RandomBytes(i == 3 ? 3 * (1 << 20) + 17 : 1000 + i, i + 1));
            builder.File(files[i].second, data.back());
        }
        backup = dir.File("b.bkf");
        WriteFile(backup, builder.Data());
        store.Create(dir.File("store"));
        RecordingHost scan;
        scan.onFileFound = [&](std::size_t n) {
            reader::CatalogFile r = scan.records[n - 1];
            (void)store.Append(r);
            rows.push_back({static_cast<std::uint32_t>(n), r.Path(), std::to_string(r.SizeField()) + " "});
        };
        ScanFile(backup, scan);
        ASSERT_EQ(rows.size(), 4u);
        fs::create_directory(dir.File("out"));
    }

    files::SaveReport Save(bool hierarchy)
    {
        RecordingHost host;
        std::atomic<int> saving{1};
        files::SaveCallbacks callbacks;
        callbacks.log = [&](const std::string& line) { log.push_back(line); };
        return files::SaveFiles(store, backup, rows, dir.File("out"), hierarchy, host, saving, callbacks);
    }

    TempDir dir;
    BackupBuilder builder;
    std::vector<Bytes> data;
    std::string backup;
    app::CatalogStore store;
    std::vector<files::SaveRow> rows;
    std::vector<std::string> log;
};

TEST_F(SaveFiles, HierarchyRebuildsFoldersWithTheExactData)
{
    const auto report = Save(true);
    EXPECT_EQ(report.saved, 4u);
    const fs::path out = dir.File("out");
    EXPECT_EQ(ReadFileBytes((out / "BKFSET1(Su)C/A/x.log").string()), data[0]);
    EXPECT_EQ(ReadFileBytes((out / "BKFSET1(Su)C/B/x.log").string()), data[1]);
    EXPECT_EQ(ReadFileBytes((out / "BKFSET1(Su)C/A/__/y.edb").string()), data[2]);
    EXPECT_EQ(ReadFileBytes((out / "BKFSET1(Su)C/C/big.bin").string()), data[3]);
    EXPECT_EQ(log.front(), "x.log saving...                      File Size(Bytes):  1000 ");
    EXPECT_EQ(log[log.size() - 2], "Number of files saved: 4");
}

TEST_F(SaveFiles, FlatModeKeepsBothRowsOfOneName)
{
    const auto report = Save(false);
    EXPECT_EQ(report.saved, 4u);
    const fs::path out = dir.File("out");
    EXPECT_EQ(ReadFileBytes((out / "x.log").string()), data[0]);
    EXPECT_EQ(ReadFileBytes((out / "x (2).log").string()), data[1]);
    EXPECT_NE(std::find(log.begin(), log.end(), (out / "x (2).log").string() + " File saved."), log.end());
}

TEST_F(SaveFiles, UnsaveableRowsAreReportedAndNotCounted)
{
    rows[0].storedPath = u"S\\dir\\";
    // A file where a folder must go.
    WriteFile(dir.File("out") + "/BKFSET1(Su)C", {1});
    const auto report = Save(true);
    EXPECT_EQ(report.processed, 4u);
    EXPECT_EQ(report.saved, 0u);
    EXPECT_EQ(report.notSaved.size(), 4u);
}

TEST_F(SaveFiles, MissingBackupStopsTheSave)
{
    fs::remove(backup);
    RecordingHost host;
    std::atomic<int> saving{1};
    const auto report = files::SaveFiles(store, backup, rows, dir.File("out"), true, host, saving, {});
    EXPECT_FALSE(report.backupOpened);
    EXPECT_EQ(host.messages, std::vector<std::string>{"Failed to open the file"});
}

}  // namespace
}  // namespace halvane::testing
