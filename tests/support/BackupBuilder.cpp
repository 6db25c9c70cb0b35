#include "tests/support/BackupBuilder.h"

#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace halvane::testing {

namespace {

void Put16(Bytes& b, std::size_t at, std::uint16_t v)
{
    if (b.size() < at + 2)
        b.resize(at + 2, 0);
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    Put16(b, at, static_cast<std::uint16_t>(v));
    Put16(b, at + 2, static_cast<std::uint16_t>(v >> 16));
}

void Put64(Bytes& b, std::size_t at, std::uint64_t v)
{
    Put32(b, at, static_cast<std::uint32_t>(v));
    Put32(b, at + 4, static_cast<std::uint32_t>(v >> 32));
}

void PutType(Bytes& b, const char* type)
{
    for (int i = 0; i < 4; ++i)
        b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(type[i]);
}

// A stream header: identifier, attributes 0, length of the stream data.
Bytes StreamHeader(const char* type, std::uint64_t length)
{
    Bytes b(22, 0);
    PutType(b, type);
    Put64(b, 8, length);
    return b;
}

std::uint64_t SplitMix(std::uint64_t& state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace

FileSink::FileSink(const std::string& path) : file_(std::fopen(path.c_str(), "wb"))
{
    if (file_ == nullptr)
        throw std::runtime_error("cannot create " + path);
}

FileSink::~FileSink()
{
    Finish();
}

void FileSink::Write(const std::uint8_t* p, std::size_t n)
{
    if (n != 0 && std::fwrite(p, 1, n, file_) != n)
        throw std::runtime_error("write failed");
    position_ += n;
}

void FileSink::Skip(std::uint64_t n)
{
    position_ += n;
    if (::fseeko(file_, static_cast<off_t>(position_), SEEK_SET) != 0)
        throw std::runtime_error("seek failed");
}

void FileSink::Finish()
{
    if (finished_ || file_ == nullptr)
        return;
    finished_ = true;
    std::fflush(file_);
    // A hole at the very end needs the length set explicitly.
    if (::ftruncate(fileno(file_), static_cast<off_t>(position_)) != 0)
        throw std::runtime_error("truncate failed");
    std::fclose(file_);
    file_ = nullptr;
}

Bytes Utf16Bytes(const std::u16string& s)
{
    Bytes b;
    for (char16_t c : s) {
        b.push_back(static_cast<std::uint8_t>(c));
        b.push_back(static_cast<std::uint8_t>(c >> 8));
    }
    return b;
}

void FixChecksum(Bytes& bytes, std::size_t pos)
{
    std::uint16_t sum = 0;
    for (std::size_t i = 0; i < 25; ++i)
        sum ^= static_cast<std::uint16_t>(bytes[pos + 2 * i] | (bytes[pos + 2 * i + 1] << 8));
    bytes[pos + 50] = static_cast<std::uint8_t>(sum);
    bytes[pos + 51] = static_cast<std::uint8_t>(sum >> 8);
}

void BreakChecksum(Bytes& bytes, std::size_t pos)
{
    bytes[pos + 50] ^= 0x5A;
}

Bytes RandomBytes(std::size_t n, std::uint64_t seed)
{
    Bytes b(n);
    std::uint64_t state = seed;
    for (std::size_t i = 0; i < n; i += 8) {
        const std::uint64_t v = SplitMix(state);
        for (std::size_t j = 0; j < 8 && i + j < n; ++j)
            b[i + j] = static_cast<std::uint8_t>(v >> (8 * j));
    }
    return b;
}

void FlipBytes(Bytes& bytes, std::size_t count, std::uint64_t seed)
{
    if (bytes.empty())
        return;
    std::uint64_t state = seed;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = SplitMix(state) % bytes.size();
        bytes[at] ^= static_cast<std::uint8_t>(1 + SplitMix(state) % 255);
    }
}

void Cut(Bytes& bytes, std::size_t n)
{
    if (n < bytes.size())
        bytes.resize(n);
}

void WriteFile(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

Bytes ReadFileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

BackupBuilder::BackupBuilder() : memory_(std::make_unique<MemorySink>()), sink_(memory_.get()) {}

BackupBuilder::BackupBuilder(BackupSink& sink) : sink_(&sink) {}

const Bytes& BackupBuilder::Data() const
{
    if (!memory_)
        throw std::logic_error("not a memory builder");
    return memory_->Data();
}

Bytes BackupBuilder::Descriptor(const char* type, std::vector<std::pair<std::size_t, std::u16string>> strings,
                                std::size_t stringsAt)
{
    Bytes b(kDescriptorSize, 0);
    PutType(b, type);
    Put16(b, 8, static_cast<std::uint16_t>(kDescriptorSize));  // offset to the first stream, fixed below
    b[10] = 14;                                                  // operating system id
    std::size_t at = stringsAt;
    for (const auto& [field, text] : strings) {
        const Bytes units = Utf16Bytes(text);
        if (at + units.size() > b.size())
            b.resize((at + units.size() + kDescriptorSize - 1) / kDescriptorSize * kDescriptorSize, 0);
        Put16(b, field, static_cast<std::uint16_t>(units.size()));
        Put16(b, field + 2, units.empty() ? 0 : static_cast<std::uint16_t>(at));
        std::copy(units.begin(), units.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
        at += units.size();
    }
    b[48] = 2;  // string type: Unicode
    Put16(b, 8, static_cast<std::uint16_t>(b.size()));
    FixChecksum(b, 0);
    return b;
}

BackupBuilder& BackupBuilder::Tape(const std::u16string& mediaName)
{
    Emit(Descriptor("TAPE", {{68, mediaName}}, 128));
    return *this;
}

BackupBuilder& BackupBuilder::Set(std::uint16_t number, const std::u16string& name, const std::u16string& description,
                                  const std::u16string& user, std::uint16_t encryption, std::uint16_t compression)
{
    Bytes b = Descriptor("SSET", {{64, name}, {68, description}, {76, user}}, 128);
    Put16(b, 56, encryption);
    Put16(b, 58, compression);
    Put16(b, 62, number);
    FixChecksum(b, 0);
    Emit(b);
    return *this;
}

BackupBuilder& BackupBuilder::Volume(const std::u16string& device, const std::u16string& volume)
{
    Emit(Descriptor("VOLB", {{56, device}, {60, volume}}, 96));
    return *this;
}

BackupBuilder& BackupBuilder::Directory(const std::vector<std::u16string>& components)
{
    std::u16string name;
    for (const auto& c : components) {
        name += c;
        name.push_back(u'\0');
    }
    if (components.empty())
        name.push_back(u'\0');
    return DirectoryRawName(Utf16Bytes(name));
}

BackupBuilder& BackupBuilder::DirectoryRawName(const Bytes& name)
{
    Bytes b = Descriptor("DIRB", {}, 96);
    const std::size_t at = 96;
    if (at + name.size() > kDescriptorSize)
        b.resize(at + name.size(), 0);
    Put16(b, 80, static_cast<std::uint16_t>(name.size()));
    Put16(b, 82, static_cast<std::uint16_t>(at));
    std::copy(name.begin(), name.end(), b.begin() + static_cast<std::ptrdiff_t>(at));
    FixChecksum(b, 0);
    Emit(b);
    return *this;
}

void BackupBuilder::EndFileStreams()
{
    // A STAN stream, then padding up to the next descriptor boundary.
    Emit(StreamHeader("STAN", 0));
    const std::uint64_t misalign = Position() % kDescriptorSize;
    if (misalign != 0) {
        std::uint64_t gap = kDescriptorSize - misalign;
        if (gap < 22)
            gap += kDescriptorSize;
        Pad(static_cast<std::size_t>(gap - 22));
    }
}

BackupBuilder& BackupBuilder::File(const std::u16string& name, const Bytes& data)
{
    Emit(Descriptor("FILE", {{84, name}}, 96));
    const Bytes nameBytes = Utf16Bytes(name);
    Bytes body(4, 0);
    Put32(body, 0, static_cast<std::uint32_t>(nameBytes.size()));
    body.insert(body.end(), nameBytes.begin(), nameBytes.end());
    body.insert(body.end(), data.begin(), data.end());
    filePositions_.push_back(Position());
    Emit(StreamHeader("ETED", body.size()));
    Emit(body);
    EndFileStreams();
    return *this;
}

BackupBuilder& BackupBuilder::SparseFile(const std::u16string& name, std::uint64_t size)
{
    Emit(Descriptor("FILE", {{84, name}}, 96));
    const Bytes nameBytes = Utf16Bytes(name);
    Bytes head = StreamHeader("ETED", 4 + nameBytes.size() + size);
    Put32(head, 22, static_cast<std::uint32_t>(nameBytes.size()));
    head.insert(head.end(), nameBytes.begin(), nameBytes.end());
    filePositions_.push_back(Position());
    Emit(head);
    sink_->Skip(size);
    EndFileStreams();
    return *this;
}

BackupBuilder& BackupBuilder::EtedRaw(std::uint64_t recordLength, std::uint32_t nameLength, const Bytes& nameAndData)
{
    Bytes b = StreamHeader("ETED", recordLength);
    Put32(b, 22, nameLength);
    b.insert(b.end(), nameAndData.begin(), nameAndData.end());
    filePositions_.push_back(Position());
    Emit(b);
    return *this;
}

BackupBuilder& BackupBuilder::Catalog(const std::vector<CatalogEntry>& entries)
{
    Bytes body;
    for (const auto& e : entries) {
        const std::size_t at = body.size();
        body.resize(at + std::max<std::size_t>(e.length, 8), 0);
        Put16(body, at, e.length);
        for (std::size_t i = 0; i < 4 && i < e.type.size(); ++i)
            body[at + 2 + i] = static_cast<std::uint8_t>(e.type[i]);
    }
    Emit(StreamHeader("TFDD", body.size()));
    Emit(body);
    return *this;
}

BackupBuilder& BackupBuilder::EndOfSet()
{
    Emit(Descriptor("ESET", {}, 96));
    return *this;
}

BackupBuilder& BackupBuilder::Pad(std::size_t n)
{
    Emit(StreamHeader("SPAD", n));
    sink_->Skip(n);
    return *this;
}

BackupBuilder& BackupBuilder::Raw(const Bytes& bytes)
{
    Emit(bytes);
    return *this;
}

}  // namespace halvane::testing
