#include "reader/FileBlock.h"

#include "reader/ByteOrder.h"

namespace halvane::reader {

EtedHeader ParseEtedHeader(Block block)
{
    EtedHeader header;
    header.recordLength = le64_at(block, eted::kRecordLength);
    header.nameLength = le32_at(block, eted::kNameLength);
    return header;
}

std::u16string EtedName(Block block, std::uint32_t nameLength)
{
    std::u16string name;
    CopyUnitsWide(block, eted::kName, static_cast<std::uint16_t>(eted::kName + nameLength), eted::kMaxNameUnits,
                  name);
    return name;
}

std::u16string LabelPart(const ReaderState& state)
{
    if (!state.setLabel)
        return u"(null)";
    std::u16string label = *state.setLabel;
    for (char16_t& c : label) {
        switch (c) {
        case u'/': case u'\\': case u':': case u'*': case u'?':
        case u'<': case u'>': case u'|': case u'"':
            c = u'_';
            break;
        default:
            break;
        }
    }
    return label;
}

CatalogFile ComposeCatalogFile(const ReaderState& state, const std::u16string& name, std::uint64_t blockPosition,
                               std::int64_t dataLength)
{
    std::u16string path = LabelPart(state);
    if (state.driveLetter != 0)
        path.push_back(static_cast<char16_t>(state.driveLetter));
    path += state.directoryPath;
    // The name is a C string: a zero unit inside it ends the path.
    path += std::u16string_view(name).substr(0, name.find(u'\0'));

    CatalogFile record;
    record.SetPath(path);
    record.SetBlockPosition(blockPosition);
    record.SetDataLength(static_cast<std::uint32_t>(static_cast<std::uint64_t>(dataLength)));
    return record;
}

}  // namespace halvane::reader
