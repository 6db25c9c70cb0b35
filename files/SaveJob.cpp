#include "files/SaveJob.h"

#include "app/CatalogPaths.h"
#include "files/SaveTargets.h"
#include "platform/FileError.h"
#include "platform/TextCodec.h"
#include "reader/BkfReader.h"

#include <system_error>

namespace halvane::files {

namespace {

// Makes every folder level from the destination down, one at a time, so
// that paths of any depth work.
void CreateLevels(const std::filesystem::path& destination, const std::filesystem::path& folder)
{
    std::filesystem::path at = destination;
    for (const auto& part : folder.lexically_relative(destination)) {
        at /= part;
        std::error_code ec;
        if (!std::filesystem::create_directory(at, ec) && ec)
            throw platform::FileError(at.string(), ec.value());
        if (!std::filesystem::is_directory(at))
            throw platform::FileError(at.string(), ENOTDIR);
    }
}

}  // namespace

SaveReport SaveFiles(const app::CatalogStore& store, const std::string& backupPath, const std::vector<SaveRow>& rows,
                     const std::string& destination, bool hierarchy, reader::ReaderHost& host,
                     const std::atomic<int>& saving, const SaveCallbacks& callbacks)
{
    SaveReport report;
    reader::BkfReader reader(host);
    if (!reader.OpenBackupFile(backupPath))
        return report;
    report.backupOpened = true;
    const auto log = [&](const std::string& line) {
        if (callbacks.log)
            callbacks.log(line);
    };

    const std::filesystem::path dest(destination);
    UniqueTargets targets;
    for (std::size_t i = 0; i < rows.size() && saving.load() == 1; ++i) {
        const SaveRow& row = rows[i];
        ++report.processed;
        const std::string stored = platform::Utf16ToUtf8(row.storedPath);
        log(platform::Utf16ToUtf8(app::FileNamePart(row.storedPath)) + " saving...                      " +
            "File Size(Bytes):  " + row.sizeText);
        if (callbacks.progress)
            callbacks.progress(i);
        std::string failure;
        std::filesystem::path written;
        try {
            const auto target = SaveTarget(dest, row.storedPath, hierarchy);
            if (!target) {
                failure = "no file name";
            } else {
                CreateLevels(dest, target->parent_path());
                written = targets.Claim(*target);
                const reader::CatalogFile record = store.Read(row.record);
                (void)reader.Extract(record.BlockPosition(), written.string(), false);
            }
        } catch (const platform::FileError& error) {
            failure = error.Describe();
        } catch (const std::exception& error) {
            failure = error.what();
        }
        if (failure.empty()) {
            ++report.saved;
            log(written.string() + " File saved.");
        } else {
            report.notSaved.push_back(stored + ": " + failure);
            log(stored + " File not saved: " + failure);
        }
        log("");
    }
    log("Number of files saved: " + std::to_string(report.saved));
    log("");
    return report;
}

}  // namespace halvane::files
