// A document held by the workbench host: its records and what the host keeps
// beside them (staff order, selection, file locations, edit history).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "workbench/document_store.h"

namespace workbench {

struct MidiMapFile {
    unsigned number = 0;
    std::string path;       // full Windows path
    std::string reference;  // the note name list's name in the file
};

struct Document {
    int number = 1;
    std::string name;
    std::string path;  // full Windows path of the file it was read from
    DocumentStore records;
    // The global instrument list: staff numbers by slot (slot 1 first).
    std::vector<int> staves;
    std::array<unsigned char, 20> selection{};  // EREGION
    std::vector<MidiMapFile> midiMaps;
    std::string noteTypeFile;  // full Windows path; empty: the workbench's own
    std::vector<std::string> fonts;  // font number n is fonts[n - 1]
    bool changed = false;
    std::vector<std::string> undoSteps;
};

}  // namespace workbench
