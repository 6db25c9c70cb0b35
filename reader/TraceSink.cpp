#include "reader/TraceSink.h"

namespace halvane::reader {

void StreamTraceSink::Write(std::string_view bytes)
{
    std::fwrite(bytes.data(), 1, bytes.size(), stream_);
}

}  // namespace halvane::reader
