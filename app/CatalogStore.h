// The record store: a file of 2274-byte catalog records, record k (from 1)
// at offset (k - 1) * 2274, no header. Records arrive in scan order; each
// is stored with its path's backslash runs collapsed and the rest of the
// path field zeroed.
//
// Thread: written by one thread; readers position the file themselves.
// Errors: raise platform::FileError.
#pragma once

#include "platform/File.h"
#include "reader/CatalogFile.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace halvane::app {

class CatalogStore {
public:
    static constexpr std::size_t kRecordSize = reader::CatalogFile::kSize;

    // Creates (or truncates) the store file.
    void Create(const std::string& path);
    // Opens records stored in another file read-only, from byte offset
    // `first` on (a snapshot's records follow its 2108-byte header); only
    // whole records count.
    void OpenExisting(const std::string& path, std::uint64_t first = 0);
    // Closes the file and deletes it (a file opened with OpenExisting is only closed).
    void CloseAndRemove() noexcept;
    [[nodiscard]] bool IsOpen() const { return file_.IsOpen(); }
    [[nodiscard]] const std::string& Path() const { return file_.Path(); }

    // Stores a found record and returns its number k. The record passed in
    // is changed to what was stored (collapsed path).
    std::uint32_t Append(reader::CatalogFile& record);
    // Record k; zero bytes where the store ends (or when it is not open).
    [[nodiscard]] reader::CatalogFile Read(std::uint32_t k) const;
    // Calls visit(k, record) for every record in order, reading in large blocks.
    template <class Visit>
    void ForEach(Visit&& visit) const;
    [[nodiscard]] std::uint32_t Count() const { return count_; }

private:
    // Reads records from k on into `bytes` (whole records); returns how many.
    std::uint32_t ReadBlock(std::uint32_t k, std::vector<std::uint8_t>& bytes) const;

    platform::File file_;
    std::uint64_t first_ = 0;
    std::uint32_t count_ = 0;
    bool owned_ = false;
};

template <class Visit>
void CatalogStore::ForEach(Visit&& visit) const
{
    std::vector<std::uint8_t> bytes;
    for (std::uint32_t k = 1; k <= count_;) {
        const std::uint32_t n = ReadBlock(k, bytes);
        if (n == 0)
            break;
        for (std::uint32_t i = 0; i < n; ++i)
            visit(k + i, reader::CatalogFile::FromBytes(std::span(bytes).subspan(i * kRecordSize, kRecordSize)));
        k += n;
    }
}

}  // namespace halvane::app
