#include "app/CatalogStore.h"

#include "app/CatalogPaths.h"

#include <array>
#include <cstdio>

namespace halvane::app {

void CatalogStore::Create(const std::string& path)
{
    file_.Open(path, platform::File::Mode::CreateReadWrite);
    count_ = 0;
}

void CatalogStore::OpenExisting(const std::string& path)
{
    file_.Open(path, platform::File::Mode::Read);
    count_ = static_cast<std::uint32_t>(file_.Length() / kRecordSize);
}

void CatalogStore::CloseAndRemove() noexcept
{
    if (!file_.IsOpen())
        return;
    const std::string path = file_.Path();
    file_.Close();
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
    if (k != 0)
        (void)file_.ReadAt(static_cast<std::uint64_t>(k - 1) * kRecordSize, bytes.data(), bytes.size());
    return reader::CatalogFile::FromBytes(bytes);
}

}  // namespace halvane::app
