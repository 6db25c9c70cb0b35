#include "files/RecoverySnapshot.h"

#include "platform/File.h"
#include "platform/FileError.h"
#include "reader/ByteOrder.h"

#include <array>
#include <vector>

namespace halvane::files {

namespace {

using reader::CatalogFile;

std::array<std::uint8_t, kSnapshotHeaderSize> SnapshotHeader(const std::u16string& backupPath)
{
    std::array<std::uint8_t, kSnapshotHeaderSize> header{};
    for (std::size_t i = 0; i < kSnapshotSignature.size(); ++i)
        reader::store_le16(header.data() + 2 * i, kSnapshotSignature[i]);
    const std::size_t units = std::min(backupPath.size(), kBackupPathFieldSize / 2 - 1);
    for (std::size_t i = 0; i < units; ++i)
        reader::store_le16(header.data() + kSignatureFieldSize + 2 * i, backupPath[i]);
    return header;
}

bool SignatureMatches(const std::uint8_t* field)
{
    for (std::size_t i = 0; i < kSignatureFieldSize / 2; ++i) {
        const char16_t unit = reader::load_le16(field + 2 * i);
        if (i == kSnapshotSignature.size())
            return unit == 0;
        if (unit != kSnapshotSignature[i])
            return false;
    }
    return false;
}

}  // namespace

bool WriteSnapshot(const std::string& snapshotPath, const std::u16string& backupPath, const app::CatalogStore& store)
{
    platform::File out(snapshotPath, platform::File::Mode::CreateReadWrite);
    const auto header = SnapshotHeader(backupPath);
    out.Write(header.data(), header.size());
    if (store.Count() == 0)
        return false;
    // Large writes: a snapshot of a million records is 2 GiB.
    std::vector<std::uint8_t> batch;
    batch.reserve(CatalogFile::kSize * 256);
    for (std::uint32_t k = 1; k <= store.Count(); ++k) {
        const CatalogFile record = store.Read(k);
        batch.insert(batch.end(), record.Bytes().begin(), record.Bytes().end());
        if (batch.size() >= CatalogFile::kSize * 256 || k == store.Count()) {
            out.Write(batch.data(), batch.size());
            batch.clear();
        }
    }
    out.Close();
    return true;
}

bool IsSnapshotFile(const std::string& snapshotPath)
{
    try {
        platform::File file(snapshotPath, platform::File::Mode::Read);
        std::array<std::uint8_t, kSignatureFieldSize> field{};
        (void)file.Read(field.data(), field.size());
        return SignatureMatches(field.data());
    } catch (const platform::FileError&) {
        return false;
    }
}

bool ReadSnapshotHeader(const std::string& snapshotPath, std::u16string& backupPath)
{
    if (!IsSnapshotFile(snapshotPath))
        return false;
    platform::File file(snapshotPath, platform::File::Mode::Read);
    std::array<std::uint8_t, kSnapshotHeaderSize> header{};
    (void)file.Read(header.data(), header.size());
    backupPath.clear();
    for (std::size_t i = 0; i < kBackupPathFieldSize / 2; ++i) {
        const char16_t unit = reader::load_le16(header.data() + kSignatureFieldSize + 2 * i);
        if (unit == 0)
            break;
        backupPath.push_back(unit);
    }
    return true;
}

bool ReadSnapshot(const std::string& snapshotPath, std::u16string& backupPath, SnapshotReplay& replay)
{
    if (!ReadSnapshotHeader(snapshotPath, backupPath))
        return false;
    platform::File file(snapshotPath, platform::File::Mode::Read);
    file.Seek(kSnapshotHeaderSize);
    const std::uint64_t length = file.Length();
    std::uint64_t p = kSnapshotHeaderSize;
    std::array<std::uint8_t, CatalogFile::kSize> bytes{};
    for (;;) {
        if (file.Read(bytes.data(), bytes.size()) < bytes.size())
            break;
        p += bytes.size();
        if (replay.running != nullptr && replay.running->load() != 1)
            break;
        if (p - replay.lastProgress > length / 1000) {
            if (replay.progress)
                replay.progress({p, length});
            replay.lastProgress = p;
        }
        if (replay.fileFound)
            replay.fileFound(CatalogFile::FromBytes(bytes));
    }
    return true;
}

}  // namespace halvane::files
