#include "tests/support/LiteralScanner.h"

#include "platform/File.h"
#include "platform/FileError.h"
#include "reader/BlockIdTable.h"
#include "reader/ByteOrder.h"
#include "reader/DescriptorDecoders.h"
#include "reader/DirectoryIndex.h"
#include "reader/FileBlock.h"
#include "reader/ScanBuffer.h"
#include "reader/TfddWalk.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

namespace halvane::testing {

using namespace halvane::reader;

namespace {

class Literal {
public:
    Literal(platform::File& file, ReaderHost& host) : file_(file), host_(host), length_(file.Length()) {}

    void Run()
    {
        auto& running = host_.ProcessRunning();
        std::uint64_t pos = 0;
        file_.Seek(0);
        for (;;) {
            window_.fill(0);
            const std::size_t got = file_.Read(window_.data(), window_.size());
            if (got == 0 || running.load() == 0) {
                host_.Trace().Write("\n");
                return;
            }
            int k = 0;
            int index = -1;
            for (; k < 1020; ++k) {
                const std::uint8_t* p = window_.data() + k;
                if (p[0] == 0 && p[1] == 0 && p[2] == 0 && p[3] == 0)
                    continue;
                const int i = FindBlockId(p);
                if (i < 0)
                    continue;
                // The second attribute byte of offset 1019 lies past the window:
                // it is the file's byte there.
                const std::uint8_t a5 = k + 5 < 1024 ? p[5] : FileByte(pos + 1024);
                if (p[4] != 0 && a5 != 0)
                    continue;
                index = i;
                break;
            }
            if (index < 0) {
                pos += 1020;
                if (running.load() != 1)
                    return;
                file_.Seek(pos);
                Throttle(file_.Position());
                continue;
            }
            pos += static_cast<std::uint64_t>(k);
            file_.Seek(pos);
            window_.fill(0);
            (void)file_.Read(window_.data(), window_.size());
            std::int64_t r = 0;
            switch (index) {
            case kSset: DecodeSet(BlockBytes(pos, kDescriptorReach), state_, host_.Trace()); break;
            case kVolb:
                DecodeVolume(BlockBytes(pos, kDescriptorReach), state_, host_.Trace());
                index_.AddIndexNode(kVolumeNode, pos, state_.narrowName, host_.Trace());
                break;
            case kDirb:
                if (DecodeDirectory(BlockBytes(pos, kDescriptorReach), state_) > 0)
                    index_.AddIndexNode(kDirectoryNode, pos, state_.narrowName, host_.Trace());
                else
                    host_.Trace().Write("\nskip truncated path");
                break;
            case kEted:
                r = FileBlock(pos);
                if (r < 0)
                    r = 1;
                pos += static_cast<std::uint64_t>(r);
                file_.Seek(pos);
                if (running.load() != 1) {
                    running.store(0);
                    return;
                }
                break;
            case kTfdd: {
                FileByteSource source(file_);
                r = WalkTfdd(source, pos, host_.Trace());
                if (r < 0)
                    r = 1;
                pos += static_cast<std::uint64_t>(r);
                file_.Seek(pos);
                break;
            }
            default: break;
            }
            pos += 1;
            if (file_.Seek(pos) != pos)
                host_.Trace().Write(" failed to skip ahead to next block");
        }
    }

private:
    std::uint8_t FileByte(std::uint64_t at)
    {
        std::uint8_t b = 0;
        if (at < length_)
            (void)file_.ReadAt(at, &b, 1);
        return b;
    }

    // The window, and past it the file's following bytes.
    std::span<const std::uint8_t> BlockBytes(std::uint64_t pos, std::size_t len)
    {
        block_.assign(len, 0);
        std::memcpy(block_.data(), window_.data(), std::min(len, window_.size()));
        if (len > window_.size() && pos + window_.size() < length_)
            (void)file_.ReadAt(pos + window_.size(), block_.data() + window_.size(),
                               static_cast<std::size_t>(std::min<std::uint64_t>(len - window_.size(),
                                                                                length_ - pos - window_.size())));
        return block_;
    }

    std::int64_t FileBlock(std::uint64_t pos)
    {
        const auto block = BlockBytes(pos, eted::kCatalogReach);
        const std::uint32_t n = le32_at(block, eted::kNameLength);
        if (n > 1024)
            return 1;
        const std::u16string name = EtedName(block, n);
        const std::int64_t d = static_cast<std::int64_t>(le64_at(block, eted::kRecordLength) - n - 4);
        host_.FileFound(ComposeCatalogFile(state_, name, pos, d));
        if (host_.ProcessRunning().load() != 1) {
            host_.ProcessRunning().store(0);
            return -1;
        }
        Throttle(file_.Position());
        return d;
    }

    void Throttle(std::uint64_t cur)
    {
        cur = std::min(cur, length_);
        if (cur - last_ >= length_ / 10000) {
            host_.Progress({cur, length_});
            last_ = cur;
        }
    }

    platform::File& file_;
    ReaderHost& host_;
    std::uint64_t length_;
    std::uint64_t last_ = 0;
    std::array<std::uint8_t, 1024> window_{};
    std::vector<std::uint8_t> block_;
    ReaderState state_;
    DirectoryIndex index_;
};

}  // namespace

void LiteralScan(const std::string& path, ReaderHost& host)
{
    platform::File file;
    try {
        file.Open(path, platform::File::Mode::Read);
    } catch (const platform::FileError&) {
        host.ShowMessage(kOpenFailedText);
        return;
    }
    Literal(file, host).Run();
}

}  // namespace halvane::testing
