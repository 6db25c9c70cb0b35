#include "app/CatalogStore.h"

#include "app/CatalogPaths.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace halvane::app {

void CatalogStore::Create(const std::string& path)
{
    file_.Open(path, platform::File::Mode::CreateReadWrite);
    first_ = 0;
    count_ = 0;
    owned_ = true;
}

void CatalogStore::OpenExisting(const std::string& path, std::uint64_t first)
{
    file_.Open(path, platform::File::Mode::Read);
    first_ = first;
    owned_ = false;
    const std::uint64_t length = file_.Length();
    count_ = length > first ? static_cast<std::uint32_t>((length - first) / kRecordSize) : 0;
}

std::uint32_t CatalogStore::ReadBlock(std::uint32_t k, std::vector<std::uint8_t>& bytes) const
{
    constexpr std::uint32_t kBlockRecords = 512;
    const std::uint32_t want = std::min(kBlockRecords, count_ - k + 1);
    bytes.assign(static_cast<std::size_t>(want) * kRecordSize, 0);
    const std::size_t got = file_.ReadAt(first_ + static_cast<std::uint64_t>(k - 1) * kRecordSize, bytes.data(), bytes.size());
    return static_cast<std::uint32_t>(got / kRecordSize);
}

void CatalogStore::CloseAndRemove() noexcept
{
    if (!file_.IsOpen())
        return;
    const std::string path = file_.Path();
    file_.Close();
    if (owned_)
        std::remove(path.c_str());
    count_ = 0;
}

std::uint32_t CatalogStore::Append(reader::CatalogFile& record)
{
    record.SetPath(CollapseBackslashes(record.Path()));
    file_.Seek(static_cast<std::uint64_t>(count_) * kRecordSize);
    file_.Write(record.Bytes().data(), kRecordSize);
    return ++count_;
}

reader::CatalogFile CatalogStore::Read(std::uint32_t k) const
{
    std::array<std::uint8_t, kRecordSize> bytes{};
    // A store that could not be created reads as zeros, like one that ends early.
    if (k != 0 && file_.IsOpen())
        (void)file_.ReadAt(first_ + static_cast<std::uint64_t>(k - 1) * kRecordSize, bytes.data(), bytes.size());
    return reader::CatalogFile::FromBytes(bytes);
}

}  // namespace halvane::app
