#include "reader/BkfReader.h"

#include "platform/FileCopy.h"
#include "platform/FileError.h"
#include "reader/BlockSearch.h"
#include "reader/ByteOrder.h"
#include "reader/DescriptorDecoders.h"
#include "reader/FileBlock.h"
#include "reader/ScanBuffer.h"
#include "reader/TfddWalk.h"

#include <algorithm>
#include <limits>

namespace halvane::reader {

namespace {

constexpr std::uint64_t kNoHit = std::numeric_limits<std::uint64_t>::max();
// How many windows one search call looks ahead; the running flag is still
// polled once per window, as the windows are walked afterwards.
constexpr std::uint64_t kWindowsPerSearch = 1024;
// A hit needs the identifier and its two attribute bytes.
constexpr std::size_t kHitBytes = 6;

struct Hit {
    std::uint64_t position = kNoHit;
    int index = -1;
};

// The first accepted identifier at a position in [from, to): one of the
// table's identifiers with at least one of the two bytes after it zero.
Hit FindHit(ScanBuffer& buffer, std::uint64_t from, std::uint64_t to)
{
    const std::uint64_t length = buffer.Length();
    std::uint64_t cur = from;
    // An identifier is four non-zero bytes, so none starts in the last three.
    const std::uint64_t last = length >= 4 ? length - 3 : 0;
    to = std::min(to, last);
    while (cur < to) {
        const std::size_t want = static_cast<std::size_t>(std::min<std::uint64_t>(to - cur, ScanBuffer::kMaxChunk));
        const auto view = buffer.ViewAhead(cur, std::min<std::size_t>(want, 64) + kHitBytes, want + kHitBytes);
        const std::size_t count = std::min(view.size() - (kHitBytes - 1), want);
        const std::uint8_t* p = view.data();
        std::size_t off = 0;
        while (off < count) {
            const std::size_t c = off + FindCandidate(p + off, count - off);
            if (c >= count)
                break;
            const int index = FindBlockId(p + c);
            if (index >= 0 && (p[c + 4] == 0 || p[c + 5] == 0))
                return {cur + c, index};
            off = c + 1;
        }
        cur += count;
    }
    return {};
}

}  // namespace

ExtractionPlan PlanExtraction(std::int64_t dataLength, bool previewLimit)
{
    constexpr auto kChunk = static_cast<std::int64_t>(BkfReader::kTransferChunk);
    ExtractionPlan plan;
    plan.chunks = dataLength / kChunk;
    if (previewLimit && plan.chunks > BkfReader::kPreviewChunks)
        plan.chunks = BkfReader::kPreviewChunks;
    // The tail in 64 bits: what D holds beyond the chunks counted (also when
    // the copy loop is left early); a 32-bit tail would lose files of 4 GiB.
    plan.tail = dataLength - plan.chunks * kChunk;
    return plan;
}

BkfReader::BkfReader(ReaderHost& host) : host_(host) {}

BkfReader::~BkfReader() = default;

bool BkfReader::OpenBackupFile(const std::string& path)
{
    if (file_.IsOpen())
        return false;
    try {
        file_.Open(path, platform::File::Mode::Read);
    } catch (const platform::FileError&) {
        host_.ShowMessage(kOpenFailedText);
        return false;
    }
    return true;
}

void BkfReader::Scan(const std::string& path)
{
    if (file_.IsOpen())
        return;
    if (!OpenBackupFile(path))
        return;
    const std::uint64_t length = file_.Length();
    ScanBuffer buffer(file_, length);
    try {
        RunScan(buffer, length);
    } catch (...) {
        scanBytesRead_ = buffer.BytesRead();
        index_.Clear();
        throw;
    }
    scanBytesRead_ = buffer.BytesRead();
    index_.Clear();
}

void BkfReader::ThrottleProgress(std::uint64_t current, std::uint64_t length)
{
    // The window after the last one stands past the end of the file; the
    // position shown is never larger than the file.
    current = std::min(current, length);
    if (current - lastProgress_ >= length / 10000) {
        host_.Progress({current, length});
        lastProgress_ = current;
    }
}

void BkfReader::RunScan(ScanBuffer& buffer, std::uint64_t length)
{
    auto& running = host_.ProcessRunning();
    TraceSink& trace = host_.Trace();

    std::uint64_t pos = 0;
    Hit next;                          // the next hit at or after pos, when searchedTo says it is known
    std::uint64_t searchedTo = 0;      // no hit in [pos, searchedTo) other than `next`
    for (;;) {
        // Top of a window at pos: a read there returns no bytes at the end.
        if (pos >= length || running.load() == 0) {
            trace.Write("\n");
            return;
        }
        const std::uint64_t windowEnd = pos + kWindowStep;
        if (next.position == kNoHit && searchedTo < windowEnd) {
            const std::uint64_t from = std::max(pos, searchedTo);
            const std::uint64_t to = pos + kWindowStep * kWindowsPerSearch;
            next = FindHit(buffer, from, to);
            searchedTo = next.position != kNoHit ? next.position : (to >= length ? kNoHit : to);
        }

        if (next.position == kNoHit || next.position >= windowEnd) {
            // No hit in this window: the next one starts 1020 bytes on, so
            // that the last four bytes are looked at again.
            pos = windowEnd;
            if (running.load() != 1)
                return;
            ThrottleProgress(pos, length);
            continue;
        }

        pos = next.position;
        const int index = next.index;
        next = {};
        readPosition_ = std::min(pos + kWindowSize, length);
        std::int64_t advance = 0;
        bool stop = false;
        Dispatch(index, pos, buffer, advance, stop);
        pos += static_cast<std::uint64_t>(advance);
        if (stop)
            return;
        pos += 1;
        searchedTo = pos;
    }
}

void BkfReader::Dispatch(int index, std::uint64_t pos, ByteSource& source, std::int64_t& advance, bool& stop)
{
    TraceSink& trace = host_.Trace();
    switch (index) {
    case kSset: {
        const auto saved = state_.setLabel;
        try {
            DecodeSet(source.View(pos, kDescriptorReach), state_, trace);
        } catch (const platform::FileError&) {
            throw;
        } catch (...) {
            state_.setLabel = saved;
        }
        break;
    }
    case kVolb: {
        const auto saved = state_.driveLetter;
        try {
            DecodeVolume(source.View(pos, kDescriptorReach), state_, trace);
            index_.AddIndexNode(kVolumeNode, pos, state_.narrowName, trace);
        } catch (const platform::FileError&) {
            throw;
        } catch (...) {
            state_.driveLetter = saved;
        }
        break;
    }
    case kDirb: {
        try {
            if (DecodeDirectory(source.View(pos, kDescriptorReach), state_) > 0)
                index_.AddIndexNode(kDirectoryNode, pos, state_.narrowName, trace);
            else
                trace.Write("\nskip truncated path");
        } catch (const platform::FileError&) {
            throw;
        } catch (...) {
        }
        break;
    }
    case kEted: {
        std::int64_t r = 1;
        try {
            r = CatalogFileBlock(pos, source.View(pos, eted::kCatalogReach));
        } catch (const platform::FileError&) {
            throw;
        } catch (...) {
            r = 1;
        }
        // A negative data length would send the scan back to this block.
        advance = r < 0 ? 1 : r;
        if (host_.ProcessRunning().load() != 1) {
            host_.ProcessRunning().store(0);
            stop = true;
        }
        break;
    }
    case kTfdd: {
        std::int64_t r = WalkTfdd(source, pos, trace);
        advance = r < 0 ? 1 : r;
        break;
    }
    default:
        break;
    }
}

std::int64_t BkfReader::CatalogFileBlock(std::uint64_t position, std::span<const std::uint8_t> block)
{
    const EtedHeader header = ParseEtedHeader(block);
    if (header.nameLength > eted::kMaxNameLength)
        return 1;
    const std::u16string name = EtedName(block, header.nameLength);
    const std::int64_t dataLength = header.DataLength();
    host_.FileFound(ComposeCatalogFile(state_, name, position, dataLength));
    auto& running = host_.ProcessRunning();
    if (running.load() != 1) {
        running.store(0);
        return -1;
    }
    ThrottleProgress(readPosition_, file_.Length());
    return dataLength;
}

std::int64_t BkfReader::ProcessFileBlock(std::uint64_t position, FileBlockMode mode, const std::string& outputPath,
                                         int previewLimit)
{
    if (mode == FileBlockMode::Catalog) {
        FileByteSource source(file_);
        readPosition_ = std::min(position + kWindowSize, source.Length());
        return CatalogFileBlock(position, source.View(position, eted::kCatalogReach));
    }
    if (mode != FileBlockMode::Extract)
        return 0;
    try {
        return static_cast<std::int64_t>(Extract(position, outputPath, previewLimit == 1).bytesWritten);
    } catch (const platform::FileError& error) {
        if (error.Path() == outputPath)
            return -1;  // the output could not be created: nothing written, nothing said
        throw;
    }
}

ExtractResult BkfReader::Extract(std::uint64_t position, const std::string& outputPath, bool previewLimit)
{
    FileByteSource source(file_);
    const EtedHeader header = ParseEtedHeader(source.View(position, eted::kHeaderSize));
    platform::File output(outputPath, platform::File::Mode::CreateReadWrite);

    ExtractResult result;
    result.dataLength = header.DataLength();
    const ExtractionPlan plan = PlanExtraction(result.dataLength, previewLimit);

    std::uint64_t in = position + header.DataOffset();
    const auto copyChunk = [&](std::size_t want) {
        const std::size_t got = platform::CopyFileRange(file_, in, output, want, transfer_);
        in += got;
        result.bytesWritten += got;
        return got;
    };
    auto& extracting = host_.Extracting();
    for (std::int64_t i = 0; i < plan.chunks; ++i) {
        copyChunk(kTransferChunk);
        if (extracting.load() == 0)
            break;
    }
    if (plan.tail > 0)
        copyChunk(static_cast<std::size_t>(std::min<std::int64_t>(plan.tail, kTransferChunk)));
    output.Close();
    return result;
}

}  // namespace halvane::reader
