#include "reader/DescriptorDecoders.h"

#include "reader/ByteOrder.h"

#include <string>

namespace halvane::reader {

namespace {

std::u16string UpToZero(const std::u16string& text)
{
    const auto zero = text.find(u'\0');
    return zero == std::u16string::npos ? text : text.substr(0, zero);
}

void AppendAscii(std::u16string& out, std::string_view ascii)
{
    for (char c : ascii)
        out.push_back(static_cast<unsigned char>(c));
}

}  // namespace

void DecodeSet(Block block, ReaderState& state, TraceSink& trace)
{
    const std::uint16_t encryption = le16_at(block, sset::kEncryption);
    const std::uint16_t compression = le16_at(block, sset::kCompression);
    const std::uint16_t number = le16_at(block, sset::kSetNumber);
    const std::uint16_t nameSize = le16_at(block, sset::kNameSize);
    const std::uint16_t nameOffset = le16_at(block, sset::kNameOffset);
    const std::uint16_t descriptionSize = le16_at(block, sset::kDescriptionSize);
    const std::uint16_t descriptionOffset = le16_at(block, sset::kDescriptionOffset);
    const std::uint16_t userSize = le16_at(block, sset::kUserSize);
    const std::uint16_t userOffset = le16_at(block, sset::kUserOffset);

    // Encrypted and compressed sets with an oversized user name are left
    // alone; the set before them stays in force.
    if (encryption != 0 && compression != 0 && userSize > sset::kSkipUserSize)
        return;

    std::string text = "\nSet " + std::to_string(number) + ": ";
    text += "\nName: " + TraceUnits(block, nameOffset, nameSize);
    text += "\nDescription: " + TraceUnits(block, descriptionOffset, descriptionSize);
    text += "\nUser: " + TraceUnits(block, userOffset, userSize);
    trace.Write(text);

    std::u16string label;
    AppendAscii(label, "BKFSET" + std::to_string(number) + "(");
    label += UpToZero(FieldUnits(block, nameOffset, nameSize));
    label += UpToZero(FieldUnits(block, userOffset, userSize));
    label.push_back(u')');
    state.setLabel = std::move(label);
}

void DecodeVolume(Block block, ReaderState& state, TraceSink& trace)
{
    const std::uint16_t deviceSize = le16_at(block, volb::kDeviceSize);
    const std::uint16_t deviceOffset = le16_at(block, volb::kDeviceOffset);
    const std::uint16_t volumeSize = le16_at(block, volb::kVolumeSize);
    const std::uint16_t volumeOffset = le16_at(block, volb::kVolumeOffset);

    const auto inWindow = [](std::uint16_t offset, std::uint16_t size) {
        return size != 0 && static_cast<std::uint16_t>(offset + size - 1) < 1024;
    };
    if (inWindow(deviceOffset, deviceSize))
        trace.Write("\ndevice name: " + TraceUnits(block, deviceOffset, deviceSize));
    if (inWindow(volumeOffset, volumeSize))
        trace.Write("\nvolume name: " + TraceUnits(block, volumeOffset, volumeSize));

    // A missing string (size 0) is empty: offset + size - 1 would otherwise
    // wrap to the end of the 16-bit range and name the block's own bytes.
    if (deviceSize == 0) {
        state.narrowName.clear();
    } else {
        CopyUnitsNarrow(block, deviceOffset, static_cast<std::uint16_t>(deviceOffset + deviceSize - 1),
                        ReaderState::kNarrowNameMax, state.narrowName);
    }
    // The name is a C string for everything that uses it.
    if (const auto zero = state.narrowName.find('\0'); zero != std::string::npos)
        state.narrowName.resize(zero);
    state.driveLetter = state.narrowName.empty() ? 0 : static_cast<std::uint8_t>(state.narrowName[0]);
}

int DecodeDirectory(Block block, ReaderState& state)
{
    const std::uint16_t size = le16_at(block, dirb::kNameSize);
    const std::uint16_t offset = le16_at(block, dirb::kNameOffset);
    if (size == 0) {
        state.directoryPath.clear();
        state.narrowName.clear();
        return 0;
    }
    const auto end = static_cast<std::uint16_t>(offset + size - 1);
    BuildPathWide(block, offset, end, state.directoryPath);
    const std::size_t taken = BuildPathNarrow(block, offset, end, state.narrowName);
    const int length = static_cast<int>(state.narrowName.size());
    return taken == size / 2u ? length : -length;
}

}  // namespace halvane::reader
