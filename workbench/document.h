// A document held by the workbench host: its records and what the host keeps
// beside them (staff order, selection, file locations, view, edit history).
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "workbench/document_store.h"

namespace workbench {

struct MidiMapFile {
    unsigned number = 0;
    std::string path;       // full Windows path
    std::string reference;  // the note name list's name in the file
    int line = 0;  // where the document file names it, for warnings
};

// Records as they were before an edit; an empty optional: the record did
// not exist.
using RecordImages = std::map<RecordId, std::optional<Bytes>>;

struct UndoStep {
    std::string name;
    RecordImages before;
};

// What the document's window shows.
struct DocumentView {
    bool pageView = true;
    int zoom = 100;  // per cent
    int page = 1;
    int measure = 1;  // the measure and staff scrolled to
    int staff = 0;
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
    DocumentView view;
    bool changed = false;
    std::vector<UndoStep> undoSteps;  // the last one is undone first
    std::vector<std::string> cancelledBlocks;  // names of the edit blocks cancelled, in order
};

}  // namespace workbench
