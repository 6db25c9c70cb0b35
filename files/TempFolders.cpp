#include "files/TempFolders.h"

#include "platform/TempPaths.h"

#include <filesystem>
#include <system_error>

namespace halvane::files {

namespace fs = std::filesystem;

std::string CatalogStorePath()
{
    return platform::UserTempFolder() + kCatalogStoreName;
}

std::string WorkFolderPath()
{
    return platform::UserTempFolder() + kWorkFolderName;
}

void DeleteFolderContents(const std::string& folder)
{
    std::error_code ec;
    fs::directory_iterator it(folder, ec);
    if (ec)
        return;
    for (const fs::directory_entry& entry : it) {
        std::error_code entryError;
        // symlink_status: a link to a folder is a link, not a folder.
        if (entry.symlink_status(entryError).type() == fs::file_type::directory) {
            DeleteFolderContents(entry.path().string());
            fs::remove(entry.path(), entryError);
        } else {
            fs::remove(entry.path(), entryError);
        }
    }
}

void RemoveWorkFolder()
{
    const std::string folder = WorkFolderPath();
    std::error_code ec;
    if (fs::symlink_status(folder, ec).type() != fs::file_type::directory) {
        if (fs::is_symlink(folder, ec))
            fs::remove(folder, ec);
        return;
    }
    DeleteFolderContents(folder);
    fs::remove(folder, ec);
}

}  // namespace halvane::files
