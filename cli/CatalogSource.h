// Builds the catalog the command-line tool works on: by scanning a backup
// (records numbered from 1 in scan order, stored with collapsed paths, as
// the desktop program stores them) or by loading a recovery snapshot.
// The store is a private temporary file removed with this object.
#pragma once

#include "app/CatalogStore.h"
#include "reader/TraceSink.h"

#include <string>

namespace halvane::cli {

class CatalogSource {
public:
    CatalogSource();
    ~CatalogSource();
    CatalogSource(const CatalogSource&) = delete;
    CatalogSource& operator=(const CatalogSource&) = delete;

    // Scans a backup. False (after printing the reason) when it cannot be read.
    [[nodiscard]] bool Scan(const std::string& backupPath, reader::TraceSink& trace, bool quiet);
    // Loads a snapshot. False when the file is not a snapshot.
    [[nodiscard]] bool Load(const std::string& snapshotPath, bool quiet);
    // A snapshot when the file has the snapshot signature, else a backup scan.
    [[nodiscard]] bool Open(const std::string& path, reader::TraceSink& trace, bool quiet);

    [[nodiscard]] const app::CatalogStore& Store() const { return store_; }
    // The backup path: as given for a scan, as stored for a snapshot.
    [[nodiscard]] const std::string& BackupPath() const { return backupPath_; }

private:
    void CreateStore();

    app::CatalogStore store_;
    std::string backupPath_;
};

}  // namespace halvane::cli
