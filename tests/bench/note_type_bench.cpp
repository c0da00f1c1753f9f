// The inspector's note type reader on large and odd tables, beside reading
// the file's bytes.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "framework/ui/controls.h"
#include "tests/bench/bench_support.h"
#include "tool/block_handler.h"
#include "tool/percussion_records.h"
#include "workbench/workbench.h"

namespace bench {
namespace {

constexpr int kSamples = 7;
constexpr int kLongLine = 400000;
constexpr int kEmptyLines = 400000;
constexpr int kEntries = 100000;
const char kStamp[] = "2026120801\n";

struct Table {
    const char* name;
    const char* file;
    std::string text;
    int entries;
};

std::vector<Table> Tables()
{
    std::vector<Table> tables;
    tables.push_back({"one line of 400,000 characters", "bench_long_line.txt",
                      kStamp + std::string("1,1,") + std::string(kLongLine, 'x') + ",0,35,0,1,0\n", 1});
    tables.push_back({"400,000 empty lines", "bench_empty_lines.txt", kStamp + std::string(kEmptyLines, '\n'), 0});
    std::string entries = kStamp;
    char line[80];
    for (int i = 1; i <= kEntries; ++i) {
        std::snprintf(line, sizeof line, "%d,%d,Bench Drum %d,0,%d,%d,1,0\n", 1 + i % 4095, 1 + i % 4, i, 35 + i % 47,
                      i % 13 - 6);
        entries += line;
    }
    tables.push_back({"100,000 entries", "bench_many_entries.txt", entries, kEntries});
    return tables;
}

bool ReadBytes(const std::string& path, long expected)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::vector<char> bytes(static_cast<size_t>(expected) + 1);
    size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    return static_cast<long>(read) == expected;
}

// The table read afresh, from the path the host gives, as the first run of
// the plug-in reads it.
bool ReadTable(int entries)
{
    FCCtrlStatic fields[] = {FCCtrlStatic(102), FCCtrlStatic(104), FCCtrlStatic(106), FCCtrlStatic(108),
                             FCCtrlStatic(110)};
    FCDrumwellBlockHandler handler(&fields[0], &fields[1], &fields[2], &fields[3], &fields[4]);
    _PercussionNoteTypes.ClearAll();
    return handler.ReadPercNoteTypesFile() && _PercussionNoteTypes.GetCount() == entries;
}

}  // namespace

bool MeasureNoteTypeFiles(BenchFolder& folder)
{
    struct Result {
        const Table* table;
        std::vector<double> reader, bytes;
    };
    const std::vector<Table> tables = Tables();
    std::vector<Result> results;
    workbench::Workbench& host = workbench::Workbench::Instance();
    for (const Table& table : tables) {
        std::string path = folder.Write(table.file, table.text);
        if (path.empty()) {
            std::printf("cannot write %s\n", table.file);
            return false;
        }
        auto document = std::make_unique<workbench::Document>();
        document->noteTypeFile = path;
        host.CloseAll();
        host.Open(std::move(document));
        Result result{&table, {}, {}};
        const long size = static_cast<long>(table.text.size());
        for (int i = 0; i < kSamples; ++i) {
            if (!Sample(1, 0, &result.bytes, [&] { return ReadBytes(path, size); }) ||
                !Sample(1, 0, &result.reader, [&] { return ReadTable(table.entries); })) {
                std::printf("the note type table \"%s\" was not read as written\n", table.name);
                return false;
            }
            if (i == 0 && result.reader.back() > 30000) {
                break;
            }
        }
        results.push_back(result);
    }
    _PercussionNoteTypes.ClearAll();
    host.CloseAll();

    std::printf("\nThe note type reader on large and odd tables, beside reading the file's bytes\n"
                "(medians, ms).\n\n");
    std::printf("%-32s %9s | %9s %9s | %6s\n", "table", "bytes", "reader", "bytes", "ratio");
    std::printf("------------------------------------------+---------------------+-------\n");
    for (const Result& r : results) {
        double reader = Median(r.reader);
        double bytes = Median(r.bytes);
        std::printf("%-32s %9ld | %9.2f %9.2f | %6.2f\n", r.table->name, static_cast<long>(r.table->text.size()),
                    reader, bytes, reader / bytes);
    }
    std::fflush(stdout);
    return true;
}

}  // namespace bench
