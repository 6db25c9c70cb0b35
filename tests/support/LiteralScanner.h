// The block scan written the plain way: a 1024-byte window read at the scan
// position, examined at offsets 0..1019, moved on by 1020 bytes or re-read at
// a hit, with a seek after every step. Kept as the reference that the fast
// scanner must match result for result.
#pragma once

#include "reader/ReaderHost.h"

#include <string>

namespace halvane::testing {

void LiteralScan(const std::string& path, reader::ReaderHost& host);

}  // namespace halvane::testing
