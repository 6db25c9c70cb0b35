#include "tests/support/TempDir.h"

#include <cstdlib>
#include <stdexcept>
#include <system_error>

namespace halvane::testing {

TempDir::TempDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "halvane-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir()
{
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(path_, ec);
}

}  // namespace halvane::testing
