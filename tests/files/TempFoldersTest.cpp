#include "files/TempFolders.h"
#include "platform/FileError.h"
#include "platform/TempPaths.h"
#include "tests/support/BackupBuilder.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace halvane::testing {
namespace {

namespace fs = std::filesystem;

class TempFolders : public ::testing::Test {
protected:
    void SetUp() override
    {
        ::setenv("XDG_RUNTIME_DIR", dir.Path().c_str(), 1);
    }
    void TearDown() override { ::unsetenv("XDG_RUNTIME_DIR"); }
    TempDir dir;
};

TEST_F(TempFolders, PrivateFolderOfTheUser)
{
    const std::string folder = platform::UserTempFolder();
    EXPECT_EQ(folder, dir.Path().string() + "/halvane/");
    struct stat st {};
    ASSERT_EQ(::lstat(folder.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    EXPECT_EQ(files::CatalogStorePath(), folder + "tmpMgntExBKF");
    EXPECT_EQ(files::WorkFolderPath(), folder + "ExngBKFTmp");
}

TEST_F(TempFolders, LinkInPlaceOfTheFolderIsRefused)
{
    TempDir elsewhere;
    fs::create_directory_symlink(elsewhere.Path(), dir.Path() / "halvane");
    EXPECT_THROW((void)platform::UserTempFolder(), platform::FileError);
}

TEST_F(TempFolders, WithoutRuntimeFolderAPerUserFolderUnderTmpdir)
{
    ::unsetenv("XDG_RUNTIME_DIR");
    ::setenv("TMPDIR", dir.Path().c_str(), 1);
    const std::string folder = platform::UserTempFolder();
    ::unsetenv("TMPDIR");
    EXPECT_EQ(folder, dir.Path().string() + "/halvane-" + std::to_string(::geteuid()) + "/");
}

TEST_F(TempFolders, RemoveWorkFolderDeletesNestedContentsButNeverFollowsLinks)
{
    TempDir outside;
    WriteFile(outside.File("keep.txt"), {1, 2, 3});
    const fs::path work = files::WorkFolderPath();
    fs::create_directories(work / "a" / "b");
    WriteFile((work / "a" / "b" / "f.edb").string(), {1});
    WriteFile((work / "top.log").string(), {1});
    fs::create_directory_symlink(outside.Path(), work / "a" / "link");
    fs::create_symlink(outside.File("keep.txt"), work / "filelink");
    files::RemoveWorkFolder();
    EXPECT_FALSE(fs::exists(work));
    EXPECT_TRUE(fs::exists(outside.File("keep.txt")));
    files::RemoveWorkFolder();  // missing: nothing to do
}

TEST_F(TempFolders, UndeletableEntryStaysWithItsFolder)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root deletes anything";
    const fs::path work = files::WorkFolderPath();
    fs::create_directories(work / "locked");
    WriteFile((work / "locked" / "f").string(), {1});
    fs::permissions(work / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    files::RemoveWorkFolder();
    EXPECT_TRUE(fs::exists(work / "locked" / "f"));
    fs::permissions(work / "locked", fs::perms::owner_all);
}

}  // namespace
}  // namespace halvane::testing
