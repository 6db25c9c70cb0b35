#include "cli/CatalogSource.h"

#include "cli/ProgressBar.h"
#include "files/RecoverySnapshot.h"
#include "platform/FileError.h"
#include "platform/TempPaths.h"
#include "platform/TextCodec.h"
#include "reader/BkfReader.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>

namespace halvane::cli {

namespace {

class ScanHost final : public reader::ReaderHost {
public:
    ScanHost(app::CatalogStore& store, reader::TraceSink& trace, ProgressBar& bar, std::string path)
        : store_(store), trace_(trace), bar_(bar), path_(std::move(path))
    {
        ProcessRunning() = 1;
    }
    void FileFound(const reader::CatalogFile& record) override
    {
        reader::CatalogFile copy = record;
        (void)store_.Append(copy);
    }
    void Progress(const reader::ProgressRecord& p) override { bar_.Update(p.done, p.total); }
    void ShowMessage(std::string_view text) override
    {
        failed_ = true;
        std::fprintf(stderr, "halvane-cli: %s: %.*s\n", path_.c_str(), static_cast<int>(text.size()), text.data());
    }
    reader::TraceSink& Trace() override { return trace_; }
    [[nodiscard]] bool Failed() const { return failed_; }

private:
    app::CatalogStore& store_;
    reader::TraceSink& trace_;
    ProgressBar& bar_;
    std::string path_;
    bool failed_ = false;
};

}  // namespace

CatalogSource::CatalogSource() = default;

void CatalogSource::CreateStore()
{
    std::string pattern = platform::UserTempFolder() + "cli-store-XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw platform::FileError(pattern, errno);
    ::close(fd);
    store_.Create(pattern);
}

CatalogSource::~CatalogSource()
{
    store_.CloseAndRemove();
}

bool CatalogSource::Scan(const std::string& backupPath, reader::TraceSink& trace, bool quiet)
{
    backupPath_ = backupPath;
    CreateStore();
    ProgressBar bar("scan", quiet);
    ScanHost host(store_, trace, bar, backupPath);
    reader::BkfReader reader(host);
    try {
        reader.Scan(backupPath);
    } catch (const platform::FileError& error) {
        bar.Finish();
        std::fprintf(stderr, "halvane-cli: %s\n", error.Describe().c_str());
        return false;
    }
    bar.Finish();
    return !host.Failed();
}

bool CatalogSource::Load(const std::string& snapshotPath, bool)
{
    // The snapshot's records are read where they stand: a snapshot of a
    // million records is 2 GiB, too much to copy for a listing.
    std::u16string backup;
    if (!files::ReadSnapshotHeader(snapshotPath, backup))
        return false;
    store_.CloseAndRemove();
    store_.OpenExisting(snapshotPath, files::kSnapshotHeaderSize);
    backupPath_ = platform::Utf16ToUtf8(backup);
    return true;
}

bool CatalogSource::Open(const std::string& path, reader::TraceSink& trace, bool quiet)
{
    if (files::IsSnapshotFile(path))
        return Load(path, quiet);
    return Scan(path, trace, quiet);
}

}  // namespace halvane::cli
