// The recovery snapshot file: a 60-byte signature field, the backup path in
// a 1024-unit field, then the catalog records byte for byte. The number of
// records is the number of whole 2274-byte blocks after offset 2108.
#pragma once

#include "app/CatalogStore.h"
#include "reader/CatalogFile.h"
#include "reader/ProgressRecord.h"

#include <atomic>
#include <functional>
#include <string>

namespace halvane::files {

inline constexpr std::u16string_view kSnapshotSignature = u"NELVARVORTELINDSNAP";
inline constexpr std::size_t kSignatureFieldSize = 60;
inline constexpr std::size_t kBackupPathFieldSize = 2048;
inline constexpr std::size_t kSnapshotHeaderSize = kSignatureFieldSize + kBackupPathFieldSize;
inline constexpr char kSnapshotExtension[] = "EXBKFNELVAR";

// Writes the snapshot of `store`'s records with the backup path (cut to
// 1023 units). False when the store holds no record (the file then keeps
// its two fields only). Raises platform::FileError when it cannot be written.
[[nodiscard]] bool WriteSnapshot(const std::string& snapshotPath, const std::u16string& backupPath,
                                 const app::CatalogStore& store);

// What a snapshot load reports to its caller.
struct SnapshotReplay {
    std::function<void(const reader::CatalogFile&)> fileFound;
    std::function<void(const reader::ProgressRecord&)> progress;
    const std::atomic<int>* running = nullptr;  // load stops when it is no longer 1
    std::uint64_t lastProgress = 0;
};

// Checks the signature: the 60-byte field read as a zero-terminated UTF-16
// string must equal the signature exactly. False for a file that cannot be read.
[[nodiscard]] bool IsSnapshotFile(const std::string& snapshotPath);

// Checks the signature and reads the backup path.
[[nodiscard]] bool ReadSnapshotHeader(const std::string& snapshotPath, std::u16string& backupPath);

// Reads the backup path and replays every whole record. False (and nothing
// replayed) when the file is not a valid snapshot.
[[nodiscard]] bool ReadSnapshot(const std::string& snapshotPath, std::u16string& backupPath, SnapshotReplay& replay);

}  // namespace halvane::files
