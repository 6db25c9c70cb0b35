// The two things the program keeps in the user's own temporary folder: the
// record store "tmpMgntExBKF" and the preview work folder "ExngBKFTmp".
#pragma once

#include <string>

namespace halvane::files {

inline constexpr char kCatalogStoreName[] = "tmpMgntExBKF";
inline constexpr char kWorkFolderName[] = "ExngBKFTmp";

// Raise platform::FileError when no private temporary folder can be had.
[[nodiscard]] std::string CatalogStorePath();
[[nodiscard]] std::string WorkFolderPath();

// Deletes everything inside `folder`; the folder itself stays. Symbolic
// links are removed as links and never followed. Entries that cannot be
// deleted stay, and so do the folders that hold them; nothing is reported.
void DeleteFolderContents(const std::string& folder);

// If the work folder exists: its contents, then the folder itself.
void RemoveWorkFolder();

}  // namespace halvane::files
