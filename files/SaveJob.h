// The save engine without its dialog: writes catalogued files out of the
// backup into a destination folder, flat or in folder hierarchy, reporting
// every row to a log and stopping between files or inside one.
//
// Thread: runs on the caller's thread (a worker in the desktop program).
// The `saving` flag is polled before each row; the host's extracting flag
// cuts the file under way after its current chunk.
#pragma once

#include "app/CatalogStore.h"
#include "reader/ReaderHost.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace halvane::files {

struct SaveRow {
    std::uint32_t record = 0;     // record number in the store
    std::u16string storedPath;
    std::string sizeText;         // as the lists show it
};

struct SaveReport {
    bool backupOpened = false;
    std::size_t processed = 0;
    std::size_t saved = 0;
    std::vector<std::string> notSaved;  // "stored path: reason"
};

struct SaveCallbacks {
    std::function<void(const std::string&)> log;
    std::function<void(std::size_t)> progress;  // row index being saved
};

// Saves the rows; the destination must exist. A row whose file name part
// is empty, whose folders cannot be made or whose extraction fails is
// reported as not saved with the reason and not counted as saved.
[[nodiscard]] SaveReport SaveFiles(const app::CatalogStore& store, const std::string& backupPath,
                                   const std::vector<SaveRow>& rows, const std::string& destination, bool hierarchy,
                                   reader::ReaderHost& host, const std::atomic<int>& saving,
                                   const SaveCallbacks& callbacks);

}  // namespace halvane::files
