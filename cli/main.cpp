// halvane-cli: the command-line face of the recovery tool. Every command is
// a thin layer over the same core the desktop program uses.
//
// Exit codes: 0 success, 1 a failure the user must see, 2 wrong usage.
#include "app/CatalogPaths.h"
#include "cli/CatalogPrinter.h"
#include "cli/CatalogSource.h"
#include "cli/ProgressBar.h"
#include "files/RecoverySnapshot.h"
#include "files/SaveJob.h"
#include "files/WildcardMatch.h"
#include "inspect/DatabaseHeader.h"
#include "platform/FileError.h"
#include "platform/TextCodec.h"
#include "reader/BkfReader.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace halvane::cli {
namespace {

constexpr int kOk = 0;
constexpr int kFailure = 1;
constexpr int kUsage = 2;

const std::map<std::string, std::string> kHelp = {
    {"scan", "usage: halvane-cli scan BACKUP [--snapshot FILE] [--trace FILE] [--format text|tsv|json] [--quiet]\n"
             "Scans a backup and prints its catalog; --snapshot also writes a recovery snapshot.\n"},
    {"list", "usage: halvane-cli list SNAPSHOT [--format text|tsv|json]\nPrints the catalog of a recovery snapshot.\n"},
    {"search", "usage: halvane-cli search (BACKUP|SNAPSHOT) PATTERN [--format text|tsv|json] [--quiet]\n"
               "Prints the records whose path matches PATTERN ('?' one character, '*' any run;\n"
               "a pattern without '*' matches anywhere in the path).\n"},
    {"save", "usage: halvane-cli save (BACKUP|SNAPSHOT) --to DIR [--flat] [--match PATTERN]... [--record K]... [--quiet]\n"
             "Saves all records, or those matched or named, in their folder hierarchy (or flat).\n"},
    {"extract", "usage: halvane-cli extract BACKUP --block POS --out FILE [--preview]\n"
                "Copies the file of the ETED block at POS, whole or its first 5 MiB.\n"},
    {"header", "usage: halvane-cli header FILE [--format text|json]\nPrints the database header fields of FILE.\n"},
};

void PrintUsage(std::FILE* out)
{
    std::fprintf(out, "usage: halvane-cli COMMAND [ARGS]\ncommands: scan list search save extract header\n"
                      "halvane-cli COMMAND --help for the arguments of a command\n");
}

// Arguments of one command: positionals and --options (some with values).
struct Args {
    std::vector<std::string> positional;
    std::map<std::string, std::vector<std::string>> options;
    [[nodiscard]] bool Has(const std::string& name) const { return options.count(name) != 0; }
    [[nodiscard]] std::optional<std::string> One(const std::string& name) const
    {
        const auto it = options.find(name);
        if (it == options.end() || it->second.empty())
            return std::nullopt;
        return it->second.back();
    }
};

std::optional<Args> Parse(const std::string& command, int argc, char** argv, const std::vector<std::string>& valued,
                          const std::vector<std::string>& flags)
{
    Args args;
    for (int i = 0; i < argc; ++i) {
        const std::string a = argv[i];
        if (a.rfind("--", 0) == 0 && a.size() > 2) {
            const std::string name = a.substr(2);
            if (std::find(valued.begin(), valued.end(), name) != valued.end()) {
                if (i + 1 >= argc) {
                    std::fprintf(stderr, "halvane-cli %s: --%s needs a value\n", command.c_str(), name.c_str());
                    return std::nullopt;
                }
                args.options[name].push_back(argv[++i]);
            } else if (std::find(flags.begin(), flags.end(), name) != flags.end()) {
                args.options[name];
            } else {
                std::fprintf(stderr, "halvane-cli %s: unknown option %s\n", command.c_str(), a.c_str());
                return std::nullopt;
            }
        } else {
            args.positional.push_back(a);
        }
    }
    return args;
}

bool FormatOption(const Args& args, Format& format)
{
    format = Format::Text;
    const auto name = args.One("format");
    if (name && !ParseFormat(*name, format)) {
        std::fprintf(stderr, "halvane-cli: unknown format %s (text, tsv or json)\n", name->c_str());
        return false;
    }
    return true;
}

void PrintCatalog(const app::CatalogStore& store, Format format, const std::u16string* pattern)
{
    CatalogPrinter printer(stdout, format);
    printer.Header();
    std::size_t count = 0;
    store.ForEach([&](std::uint32_t k, const reader::CatalogFile& record) {
        if (pattern != nullptr && files::WildcardMatch(*pattern, record.Path()) == 0)
            return;
        printer.Record(k, record);
        ++count;
    });
    printer.Footer(count);
}

int Scan(const Args& args)
{
    Format format;
    if (args.positional.size() != 1 || !FormatOption(args, format))
        return kUsage;
    const std::string& backup = args.positional[0];
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> traceFile(nullptr, std::fclose);
    if (const auto tracePath = args.One("trace")) {
        traceFile.reset(std::fopen(tracePath->c_str(), "wb"));
        if (!traceFile) {
            std::fprintf(stderr, "halvane-cli: %s: %s\n", tracePath->c_str(), std::strerror(errno));
            return kFailure;
        }
    }
    reader::StreamTraceSink trace(traceFile ? traceFile.get() : stdout);
    CatalogSource source;
    if (!source.Scan(backup, trace, args.Has("quiet")))
        return kFailure;
    std::fflush(stdout);
    if (const auto snapshot = args.One("snapshot")) {
        if (!files::WriteSnapshot(*snapshot, platform::Utf8ToUtf16(backup), source.Store()))
            std::fprintf(stderr, "halvane-cli: %s: no file was found, the snapshot holds no record\n", snapshot->c_str());
    }
    PrintCatalog(source.Store(), format, nullptr);
    return kOk;
}

int List(const Args& args)
{
    Format format;
    if (args.positional.size() != 1 || !FormatOption(args, format))
        return kUsage;
    CatalogSource source;
    if (!source.Load(args.positional[0], args.Has("quiet"))) {
        std::fprintf(stderr, "halvane-cli: %s: Please select a valid file.\n", args.positional[0].c_str());
        return kFailure;
    }
    PrintCatalog(source.Store(), format, nullptr);
    return kOk;
}

int Search(const Args& args)
{
    Format format;
    if (args.positional.size() != 2 || !FormatOption(args, format))
        return kUsage;
    const std::u16string pattern = files::SearchPattern(platform::Utf8ToUtf16(args.positional[1]));
    if (pattern.empty()) {
        std::fprintf(stderr, "halvane-cli search: the pattern is empty\n");
        return kUsage;
    }
    reader::NullTraceSink trace;
    CatalogSource source;
    if (!source.Open(args.positional[0], trace, args.Has("quiet")))
        return kFailure;
    PrintCatalog(source.Store(), format, &pattern);
    return kOk;
}

class SaveHost final : public reader::ReaderHost {
public:
    explicit SaveHost(std::string backup) : backup_(std::move(backup)) { Extracting() = 1; }
    void FileFound(const reader::CatalogFile&) override {}
    void Progress(const reader::ProgressRecord&) override {}
    void ShowMessage(std::string_view text) override
    {
        std::fprintf(stderr, "halvane-cli: %s: %.*s\n", backup_.c_str(), static_cast<int>(text.size()), text.data());
    }
    reader::TraceSink& Trace() override { return trace_; }

private:
    std::string backup_;
    reader::NullTraceSink trace_;
};

int Save(const Args& args)
{
    const auto to = args.One("to");
    if (args.positional.size() != 1 || !to)
        return kUsage;
    if (!std::filesystem::is_directory(*to)) {
        std::fprintf(stderr, "halvane-cli: %s: Please select valid path to save recovered files.\n", to->c_str());
        return kFailure;
    }
    reader::NullTraceSink trace;
    CatalogSource source;
    if (!source.Open(args.positional[0], trace, args.Has("quiet")))
        return kFailure;

    std::vector<std::u16string> patterns;
    if (const auto it = args.options.find("match"); it != args.options.end())
        for (const auto& m : it->second)
            patterns.push_back(files::SearchPattern(platform::Utf8ToUtf16(m)));
    std::vector<std::uint32_t> wanted;
    if (const auto it = args.options.find("record"); it != args.options.end())
        for (const auto& r : it->second) {
            char* end = nullptr;
            const unsigned long k = std::strtoul(r.c_str(), &end, 10);
            if (end == r.c_str() || *end != '\0' || k == 0 || k > source.Store().Count()) {
                std::fprintf(stderr, "halvane-cli save: no record %s\n", r.c_str());
                return kUsage;
            }
            wanted.push_back(static_cast<std::uint32_t>(k));
        }

    std::vector<files::SaveRow> rows;
    source.Store().ForEach([&](std::uint32_t k, const reader::CatalogFile& record) {
        const std::u16string path = record.Path();
        bool take = patterns.empty() && wanted.empty();
        for (const auto& p : patterns)
            take = take || files::WildcardMatch(p, path) == 1;
        take = take || std::find(wanted.begin(), wanted.end(), k) != wanted.end();
        if (take)
            rows.push_back({k, path, std::to_string(record.SizeField()) + " "});
    });
    if (rows.empty()) {
        std::fprintf(stderr, "halvane-cli: No file is present in the list to save.\n");
        return kFailure;
    }

    SaveHost host(source.BackupPath());
    std::atomic<int> saving{1};
    ProgressBar bar("save", args.Has("quiet"), "files");
    files::SaveCallbacks callbacks;
    callbacks.log = [](const std::string& line) { std::printf("%s\n", line.c_str()); };
    callbacks.progress = [&](std::size_t i) { bar.Update(i, rows.size()); };
    std::printf("\n Saving process for recovered files starts.\nNumber of files to be saved: %zu\n\n", rows.size());
    const files::SaveReport report =
        files::SaveFiles(source.Store(), source.BackupPath(), rows, *to, !args.Has("flat"), host, saving, callbacks);
    bar.Update(rows.size(), rows.size());
    bar.Finish();
    if (!report.backupOpened)
        return kFailure;
    for (const auto& failure : report.notSaved)
        std::fprintf(stderr, "halvane-cli: not saved: %s\n", failure.c_str());
    return report.notSaved.empty() ? kOk : kFailure;
}

int Extract(const Args& args)
{
    const auto block = args.One("block");
    const auto out = args.One("out");
    if (args.positional.size() != 1 || !block || !out)
        return kUsage;
    char* end = nullptr;
    const std::uint64_t position = std::strtoull(block->c_str(), &end, 0);
    if (end == block->c_str() || *end != '\0') {
        std::fprintf(stderr, "halvane-cli extract: bad block position %s\n", block->c_str());
        return kUsage;
    }
    SaveHost host(args.positional[0]);
    reader::BkfReader reader(host);
    if (!reader.OpenBackupFile(args.positional[0]))
        return kFailure;
    try {
        const auto result = reader.Extract(position, *out, args.Has("preview"));
        std::fprintf(stderr, "%s: %" PRIu64 " bytes written\n", out->c_str(), result.bytesWritten);
    } catch (const platform::FileError& error) {
        std::fprintf(stderr, "halvane-cli: %s\n", error.Describe().c_str());
        return kFailure;
    }
    return kOk;
}

int Header(const Args& args)
{
    Format format;
    if (args.positional.size() != 1 || !FormatOption(args, format) || format == Format::Tsv)
        return kUsage;
    const std::string& path = args.positional[0];
    std::vector<std::uint8_t> buffer;
    try {
        buffer = inspect::ReadHeaderBuffer(path);
    } catch (const platform::FileError& error) {
        std::fprintf(stderr, "halvane-cli: %s\n", error.Describe().c_str());
        return kFailure;
    }
    const auto groups = inspect::DatabaseHeaderGroups(buffer, std::filesystem::path(path).filename().string());
    if (format == Format::Json) {
        std::printf("{\"groups\": [");
        for (std::size_t g = 0; g < groups.size(); ++g) {
            std::printf("%s{\"name\": %s, \"properties\": [", g ? ", " : "", JsonString(groups[g].name).c_str());
            for (std::size_t i = 0; i < groups[g].properties.size(); ++i) {
                const auto& p = groups[g].properties[i];
                std::printf("%s{\"name\": %s, \"value\": %s, \"description\": %s}", i ? ", " : "",
                            JsonString(p.name).c_str(), JsonString(p.value).c_str(), JsonString(p.description).c_str());
            }
            std::printf("]}");
        }
        std::printf("]}\n");
        return kOk;
    }
    for (const auto& group : groups) {
        std::printf("%s\n", group.name.c_str());
        for (const auto& p : group.properties)
            std::printf("  %-38s %s\n", p.name.c_str(), p.value.c_str());
    }
    return kOk;
}

int Run(int argc, char** argv)
{
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintUsage(argc < 2 ? stderr : stdout);
        return argc < 2 ? kUsage : kOk;
    }
    const std::string command = argv[1];
    const auto help = kHelp.find(command);
    if (help == kHelp.end()) {
        std::fprintf(stderr, "halvane-cli: unknown command %s\n", command.c_str());
        PrintUsage(stderr);
        return kUsage;
    }
    for (int i = 2; i < argc; ++i)
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(help->second.c_str(), stdout);
            return kOk;
        }
    const std::vector<std::string> valued = {"snapshot", "trace", "format", "to", "match", "record", "block", "out"};
    const std::vector<std::string> flags = {"quiet", "flat", "preview"};
    const auto args = Parse(command, argc - 2, argv + 2, valued, flags);
    int rc = kUsage;
    if (args) {
        try {
            if (command == "scan") rc = Scan(*args);
            else if (command == "list") rc = List(*args);
            else if (command == "search") rc = Search(*args);
            else if (command == "save") rc = Save(*args);
            else if (command == "extract") rc = Extract(*args);
            else rc = Header(*args);
        } catch (const platform::FileError& error) {
            std::fprintf(stderr, "halvane-cli: %s\n", error.Describe().c_str());
            return kFailure;
        }
    }
    if (rc == kUsage)
        std::fputs(help->second.c_str(), stderr);
    return rc;
}

}  // namespace
}  // namespace halvane::cli

int main(int argc, char** argv)
{
    return halvane::cli::Run(argc, argv);
}
