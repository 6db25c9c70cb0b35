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
#include <string>

namespace halvane::app {

class CatalogStore {
public:
    static constexpr std::size_t kRecordSize = reader::CatalogFile::kSize;

    // Creates (or truncates) the store file.
    void Create(const std::string& path);
    // Opens an existing store (for example a snapshot's records) read-only.
    void OpenExisting(const std::string& path);
    // Closes the file and deletes it.
    void CloseAndRemove() noexcept;
    [[nodiscard]] bool IsOpen() const { return file_.IsOpen(); }
    [[nodiscard]] const std::string& Path() const { return file_.Path(); }

    // Stores a found record and returns its number k. The record passed in
    // is changed to what was stored (collapsed path).
    std::uint32_t Append(reader::CatalogFile& record);
    // Record k; zero bytes where the store ends.
    [[nodiscard]] reader::CatalogFile Read(std::uint32_t k) const;
    [[nodiscard]] std::uint32_t Count() const { return count_; }

private:
    platform::File file_;
    std::uint32_t count_ = 0;
};

}  // namespace halvane::app
