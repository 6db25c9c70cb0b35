// mkbkf: writes the demo backup and the benchmark inputs.
//   mkbkf demo FILE
//   mkbkf many FILE COUNT FILESIZE
//   mkbkf large FILE SIZE
//   mkbkf random FILE SIZE
#include "tools/DemoBackup.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

int main(int argc, char** argv)
{
    using namespace halvane::tools;
    try {
        const std::string what = argc > 2 ? argv[1] : "";
        if (what == "demo" && argc == 3) {
            WriteDemoBackup(argv[2]);
        } else if (what == "many" && argc == 5) {
            WriteManyFilesBackup(argv[2], static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10)),
                                 std::strtoull(argv[4], nullptr, 10));
        } else if (what == "large" && argc == 4) {
            WriteOneLargeFileBackup(argv[2], std::strtoull(argv[3], nullptr, 10));
        } else if (what == "random" && argc == 4) {
            WriteRandomFile(argv[2], std::strtoull(argv[3], nullptr, 10));
        } else {
            std::fprintf(stderr, "usage: mkbkf demo FILE | many FILE COUNT FILESIZE | large FILE SIZE | random FILE SIZE\n");
            return 2;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "mkbkf: %s\n", e.what());
        return 1;
    }
    return 0;
}
