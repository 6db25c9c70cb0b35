// The reader of one backup file in Microsoft Tape Format.
//
// The scan carves the file: it looks at every byte offset for the block
// identifiers, accepts a block on its identifier and one byte rule, decodes
// the set, volume and directory blocks into the reader state, reports every
// ETED file block as a record and skips its data. Its observable results
// (records, progress records, trace, stop points) are those of a 1024-byte
// window moved through the file in steps of 1020 bytes with a re-read at
// every hit; it gets them from large reads and a vector search instead.
//
// Ownership and threads: the reader owns the backup file object; it is used
// by one thread at a time and talks to the rest of the program only through
// its host. Errors: corrupt data never raises; a read error of the backup or
// of an output file raises platform::FileError.
#pragma once

#include "platform/File.h"
#include "reader/BlockIdTable.h"
#include "reader/CatalogFile.h"
#include "reader/DirectoryIndex.h"
#include "reader/ProgressRecord.h"
#include "reader/ReaderHost.h"
#include "reader/ReaderState.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace halvane::reader {

class ByteSource;
class ScanBuffer;

enum class FileBlockMode : int { Extract = 0, Catalog = 1 };

// The outcome of copying one file out of the backup.
struct ExtractResult {
    std::uint64_t bytesWritten = 0;
    std::int64_t dataLength = 0;  // D as the block states it
};

// How extract mode copies D bytes: `chunks` whole transfer chunks, then a
// tail of at most one chunk when `tail` is above 0. The preview limit keeps
// at most four chunks, so a preview holds at most 5 MiB.
struct ExtractionPlan {
    std::int64_t chunks = 0;
    std::int64_t tail = 0;
};
[[nodiscard]] ExtractionPlan PlanExtraction(std::int64_t dataLength, bool previewLimit);

class BkfReader {
public:
    static constexpr std::size_t kWindowSize = 1024;
    static constexpr std::size_t kWindowStep = 1020;
    static constexpr std::size_t kTransferChunk = 1 << 20;
    static constexpr std::int64_t kPreviewChunks = 4;

    explicit BkfReader(ReaderHost& host);
    ~BkfReader();
    BkfReader(const BkfReader&) = delete;
    BkfReader& operator=(const BkfReader&) = delete;

    // Scans the file at path from its first byte to its last, or until the
    // host's running flag is cleared. Does nothing when the backup file is
    // already open; leaves it open afterwards.
    void Scan(const std::string& path);

    // Opens the backup file if it is closed. True when it was opened now;
    // shows "Failed to open the file" and returns false when it cannot be.
    [[nodiscard]] bool OpenBackupFile(const std::string& path);
    void CloseBackupFile() { file_.Close(); }
    [[nodiscard]] bool IsBackupFileOpen() const { return file_.IsOpen(); }

    // Catalog mode (the block must be the scanner's current block): reports
    // the file and returns D, 1 for a name that is too long, -1 when the scan
    // was stopped. Extract mode: copies the file's data to outputPath, all of
    // it or (previewLimit 1) at most four chunks and a tail; returns the bytes
    // written, or -1 when the output cannot be created.
    std::int64_t ProcessFileBlock(std::uint64_t position, FileBlockMode mode, const std::string& outputPath,
                                  int previewLimit);

    // Extract mode with the reason of a failure: raises platform::FileError
    // when the output cannot be created or a read or write fails.
    ExtractResult Extract(std::uint64_t position, const std::string& outputPath, bool previewLimit);

    [[nodiscard]] const ReaderState& State() const { return state_; }
    [[nodiscard]] std::uint64_t LastProgressPosition() const { return lastProgress_; }
    // Bytes the last scan read from the backup file.
    [[nodiscard]] std::uint64_t ScanBytesRead() const { return scanBytesRead_; }

private:
    void RunScan(ScanBuffer& buffer, std::uint64_t length);
    void Dispatch(int index, std::uint64_t pos, ByteSource& source, std::int64_t& advance, bool& stop);
    std::int64_t CatalogFileBlock(std::uint64_t position, std::span<const std::uint8_t> block);
    void ThrottleProgress(std::uint64_t current, std::uint64_t length);

    ReaderHost& host_;
    platform::File file_;
    ReaderState state_;
    DirectoryIndex index_;
    std::uint64_t lastProgress_ = 0;
    std::uint64_t scanBytesRead_ = 0;
    std::uint64_t readPosition_ = 0;  // where a 1024-byte window read at the block would leave the file
    std::vector<std::uint8_t> transfer_;
};

}  // namespace halvane::reader
