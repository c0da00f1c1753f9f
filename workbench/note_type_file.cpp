// One pass over the table's lines, with the plug-in's rules for entries.
#include "workbench/note_type_file.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "workbench/paths.h"

namespace workbench {

NoteTypeFile ReadNoteTypeFile(const std::string& path)
{
    NoteTypeFile table;
    table.readable = ReadFileBytes(path, &table.text);
    const std::string& text = table.text;
    bool first = true;
    for (size_t start = 0; start < text.size() || first;) {
        size_t end = text.find_first_of("\r\n", start);
        end = end == std::string::npos ? text.size() : end;
        const size_t from = text.find_first_not_of(" \t", start);
        size_t to = end;
        while (to > start && (text[to - 1] == ' ' || text[to - 1] == '\t')) {
            --to;
        }
        const std::string line = from == std::string::npos || from >= to ? std::string() : text.substr(from, to - from);
        if (first) {
            table.stamped = line.size() == 10 && line.find_first_not_of("0123456789") == std::string::npos;
            first = false;
        } else if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])) &&
                   std::count(line.begin(), line.end(), ',') >= 4) {
            size_t fifth = 0;
            for (int comma = 0; comma < 4; ++comma) {
                fifth = line.find(',', fifth) + 1;
            }
            table.entries.push_back({std::atol(line.c_str()) & 0xFFFF, std::atol(line.c_str() + fifth)});
        }
        start = end + 1;
    }
    return table;
}

}  // namespace workbench
