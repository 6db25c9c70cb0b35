// Writes backup files in Microsoft Tape Format for tests, tools and
// benchmarks: descriptor blocks with the common block header and checksum,
// ETED file streams, TFDD catalogs, padding, plus corruption helpers.
//
// Descriptor blocks are 1024 bytes with their strings after the fixed part;
// streams follow their descriptor directly. Output goes to memory or, for
// large backups, to a file in which skipped data is left as a hole.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace halvane::testing {

using Bytes = std::vector<std::uint8_t>;

// Where the builder's bytes go.
class BackupSink {
public:
    virtual ~BackupSink() = default;
    virtual void Write(const std::uint8_t* p, std::size_t n) = 0;
    // n zero bytes (a hole in a file).
    virtual void Skip(std::uint64_t n) = 0;
    [[nodiscard]] virtual std::uint64_t Position() const = 0;
};

class MemorySink final : public BackupSink {
public:
    void Write(const std::uint8_t* p, std::size_t n) override { bytes_.insert(bytes_.end(), p, p + n); }
    void Skip(std::uint64_t n) override { bytes_.resize(bytes_.size() + n, 0); }
    [[nodiscard]] std::uint64_t Position() const override { return bytes_.size(); }
    [[nodiscard]] Bytes& Data() { return bytes_; }

private:
    Bytes bytes_;
};

class FileSink final : public BackupSink {
public:
    explicit FileSink(const std::string& path);
    ~FileSink() override;
    void Write(const std::uint8_t* p, std::size_t n) override;
    void Skip(std::uint64_t n) override;
    [[nodiscard]] std::uint64_t Position() const override { return position_; }
    void Finish();

private:
    std::FILE* file_ = nullptr;
    std::uint64_t position_ = 0;
    bool finished_ = false;
};

struct CatalogEntry {
    std::string type;         // "VOLB", "DIRB", "ETED", "FEND", ...
    std::uint16_t length = 0; // distance to the next entry (at least 8)
};

class BackupBuilder {
public:
    static constexpr std::size_t kDescriptorSize = 1024;

    BackupBuilder();                                  // into memory
    explicit BackupBuilder(BackupSink& sink);         // into a caller's sink

    BackupBuilder& Tape(const std::u16string& mediaName = u"Media 1");
    BackupBuilder& Set(std::uint16_t number, const std::u16string& name, const std::u16string& description,
                       const std::u16string& user, std::uint16_t encryption = 0, std::uint16_t compression = 0);
    BackupBuilder& Volume(const std::u16string& device, const std::u16string& volume = u"");
    // A DIRB naming the components (each followed by a zero unit); none is the root.
    BackupBuilder& Directory(const std::vector<std::u16string>& components);
    // A DIRB whose name field holds exactly these bytes.
    BackupBuilder& DirectoryRawName(const Bytes& name);
    // A FILE descriptor followed by the ETED stream (name, data) and a STAN stream.
    BackupBuilder& File(const std::u16string& name, const Bytes& data);
    // The same for a large file whose data is left as zero bytes (a hole).
    BackupBuilder& SparseFile(const std::u16string& name, std::uint64_t size);
    // An ETED stream with explicit header fields and raw bytes after the name.
    BackupBuilder& EtedRaw(std::uint64_t recordLength, std::uint32_t nameLength, const Bytes& nameAndData);
    // A TFDD stream with the given entries (each entry padded to its length).
    BackupBuilder& Catalog(const std::vector<CatalogEntry>& entries);
    BackupBuilder& EndOfSet();
    BackupBuilder& Pad(std::size_t n);
    BackupBuilder& Raw(const Bytes& bytes);

    [[nodiscard]] std::uint64_t Position() const { return sink_->Position(); }
    // Positions of the ETED streams written, in order.
    [[nodiscard]] const std::vector<std::uint64_t>& FilePositions() const { return filePositions_; }
    // The bytes written (memory builder only).
    [[nodiscard]] const Bytes& Data() const;

private:
    Bytes Descriptor(const char* type, std::vector<std::pair<std::size_t, std::u16string>> strings,
                     std::size_t stringsAt);
    void EndFileStreams();
    void Emit(const Bytes& bytes) { sink_->Write(bytes.data(), bytes.size()); }

    std::unique_ptr<MemorySink> memory_;
    BackupSink* sink_;
    std::vector<std::uint64_t> filePositions_;
};

// UTF-16LE bytes of a string.
[[nodiscard]] Bytes Utf16Bytes(const std::u16string& s);
// Sets the common block header checksum of the block at pos (XOR of the first 25 words).
void FixChecksum(Bytes& bytes, std::size_t pos);
void BreakChecksum(Bytes& bytes, std::size_t pos);
// Deterministic pseudo-random bytes.
[[nodiscard]] Bytes RandomBytes(std::size_t n, std::uint64_t seed);
// Flips `count` random bytes (never to the same value), deterministic by seed.
void FlipBytes(Bytes& bytes, std::size_t count, std::uint64_t seed);
// Cuts the data after n bytes.
void Cut(Bytes& bytes, std::size_t n);
// Writes bytes to a file.
void WriteFile(const std::string& path, const Bytes& bytes);
[[nodiscard]] Bytes ReadFileBytes(const std::string& path);

}  // namespace halvane::testing
