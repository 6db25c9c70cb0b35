// halvane-cli end to end: scan, snapshot, list and search agree; save and
// extract write the fixture's bytes; failures give the documented exit codes.
#include "tests/support/BackupBuilder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <sys/wait.h>

namespace halvane::testing {
namespace {

struct Output {
    int code;
    std::string out;
};

Output RunCli(const std::string& args)
{
    const std::string command = std::string(HALVANE_CLI) + " " + args + " 2>/dev/null";
    Output o{};
    std::FILE* p = ::popen(command.c_str(), "r");
    std::array<char, 4096> buf{};
    std::size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), p)) > 0)
        o.out.append(buf.data(), n);
    o.code = WEXITSTATUS(::pclose(p));
    return o;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override
    {
        BackupBuilder b;
        b.Set(1, u"Daily", u"", u"admin").Volume(u"C:").Directory({u"Mail"});
        data = {RandomBytes(5000, 1), RandomBytes(70000, 2), RandomBytes(10, 3)};
        b.File(u"priv1.edb", data[0]).File(u"priv1.stm", data[1]).Directory({u"Logs"}).File(u"E00.log", data[2]);
        backup = dir.File("b.bkf");
        WriteFile(backup, b.Data());
        positions = b.FilePositions();
    }
    TempDir dir;
    std::string backup;
    std::vector<Bytes> data;
    std::vector<std::uint64_t> positions;
};

TEST_F(Cli, ScanSnapshotListAndSearchAgree)
{
    const auto scan = RunCli("scan " + backup + " --quiet --trace /dev/null --format tsv --snapshot " + dir.File("s.snap"));
    ASSERT_EQ(scan.code, 0);
    EXPECT_EQ(scan.out, "1\t" + std::to_string(positions[0]) + "\t5000\tBKFSET1(Dailyadmin)C\\Mail\\priv1.edb\n" +
                            "2\t" + std::to_string(positions[1]) + "\t70000\tBKFSET1(Dailyadmin)C\\Mail\\priv1.stm\n" +
                            "3\t" + std::to_string(positions[2]) + "\t10\tBKFSET1(Dailyadmin)C\\Logs\\E00.log\n");
    EXPECT_EQ(RunCli("list " + dir.File("s.snap") + " --format tsv").out, scan.out);
    const auto fromSnapshot = RunCli("search " + dir.File("s.snap") + " priv --format tsv");
    const auto fromBackup = RunCli("search " + backup + " priv --format tsv --quiet");
    EXPECT_EQ(fromSnapshot.out, fromBackup.out);
    EXPECT_EQ(fromBackup.out, scan.out.substr(0, scan.out.rfind("3\t")));
    EXPECT_EQ(RunCli("search " + backup + " 'BKF*.log' --format tsv").out, scan.out.substr(scan.out.rfind("3\t")));
    const Bytes snap = ReadFileBytes(dir.File("s.snap"));
    ASSERT_EQ(snap.size(), 2108u + 3u * 2274u);
    EXPECT_EQ(snap[60], backup[0]);
}

TEST_F(Cli, JsonFormats)
{
    const auto scan = RunCli("scan " + backup + " --trace /dev/null --format json");
    EXPECT_NE(scan.out.find("{\"record\": 3, \"position\": " + std::to_string(positions[2]) +
                            ", \"size\": 10, \"path\": \"BKFSET1(Dailyadmin)C\\\\Logs\\\\E00.log\"}"),
              std::string::npos);
    const auto header = RunCli("header " + backup + " --format json");
    EXPECT_EQ(header.code, 0);
    EXPECT_EQ(header.out.rfind("{\"groups\": [{\"name\": \"Selected file details\", \"properties\": [{\"name\": "
                               "\"File name\", \"value\": \"b.bkf\", \"description\": \"Display name of selected file\"}",
                               0),
              0u);
}

TEST_F(Cli, SaveAndExtractWriteTheFixtureBytes)
{
    const std::string out = dir.File("out");
    std::filesystem::create_directory(out);
    EXPECT_EQ(RunCli("save " + backup + " --quiet --to " + out + " --match '*.edb' --record 3").code, 0);
    EXPECT_EQ(ReadFileBytes(out + "/BKFSET1(Dailyadmin)C/Mail/priv1.edb"), data[0]);
    EXPECT_EQ(ReadFileBytes(out + "/BKFSET1(Dailyadmin)C/Logs/E00.log"), data[2]);
    EXPECT_FALSE(std::filesystem::exists(out + "/BKFSET1(Dailyadmin)C/Mail/priv1.stm"));
    EXPECT_EQ(RunCli("save " + backup + " --quiet --flat --to " + out).code, 0);
    EXPECT_EQ(ReadFileBytes(out + "/priv1.stm"), data[1]);

    EXPECT_EQ(RunCli("extract " + backup + " --block " + std::to_string(positions[1]) + " --out " + dir.File("x")).code, 0);
    EXPECT_EQ(ReadFileBytes(dir.File("x")), data[1]);
}

TEST_F(Cli, ExitCodes)
{
    struct Case { std::string args; int code; std::string out; };
    const std::vector<Case> cases = {
        {"scan /nonexistent.bkf --trace /dev/null", 1, ""},
        {"list " + backup, 1, ""},
        {"save " + backup + " --to /nonexistent", 1, ""},
        {"frobnicate", 2, ""},
        {"scan", 2, ""},
        {"scan " + backup + " --format xml", 2, ""},
        {"header /nonexistent", 1, ""},
        {"search " + backup + " '   '", 2, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunCli(c.args).code, c.code) << c.args;
    EXPECT_EQ(RunCli("scan --help").code, 0);
}

}  // namespace
}  // namespace halvane::testing
