// The host's percussion note type table, read as the plug-in reads it, for
// the workbench's checks of documents and the tables it makes for them.
#pragma once

#include <string>
#include <vector>

namespace workbench {

struct NoteTypeFile {
    struct Entry {
        long type = 0;         // the first field's low 16 bits
        long generalMidi = 0;  // the fifth field
    };
    bool readable = false;
    // The first line is ten digits.
    bool stamped = false;
    std::string text;  // as read, to be written again
    std::vector<Entry> entries;
};

// Lines end at a line feed or a carriage return and are trimmed of blanks;
// an entry begins with a digit and has at least four commas. A file that
// cannot be read gives a table that says so and has no entries.
NoteTypeFile ReadNoteTypeFile(const std::string& path);

}  // namespace workbench
