// The user's own temporary folder.
//
// The shared /tmp is writable by every user, so the folder handed out here is
// private: $XDG_RUNTIME_DIR/halvane/ when the session has a runtime folder,
// otherwise halvane-<uid>/ under the system temporary folder. Either is
// created with mode 0700 and accepted only when it is a real folder (not a
// symbolic link) owned by the user with no access for others.
#pragma once

#include <string>

namespace halvane::platform {

// The folder, ending with '/'. Raises FileError when no safe folder can be had.
[[nodiscard]] std::string UserTempFolder();

}  // namespace halvane::platform
