// A document held by the workbench host: its records and what the host keeps
// beside them (selection, file locations, view, edit history).
#pragma once

#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "workbench/document_store.h"

namespace workbench {

struct MidiMapFile {
    unsigned number = 0;
    std::string path;       // full Windows path
    std::string reference;  // the note name list's name in the file
    int line = 0;  // where the document file names it, for warnings
};

// Files the workbench wrote for a document (a note type table, MIDI maps)
// in a folder of their own; removed with the last document holding them.
struct MadeFiles {
    std::string folder;  // full Windows path
    std::vector<std::string> files;
    MadeFiles() = default;
    MadeFiles(const MadeFiles&) = delete;
    MadeFiles& operator=(const MadeFiles&) = delete;
    ~MadeFiles();
};

// Records as they were before an edit; an empty optional: the record did
// not exist.
using RecordImages = std::map<RecordId, std::optional<Bytes>>;

struct UndoStep {
    std::string name;
    RecordImages before;
};

// A linked part: a view of the score with an ID above 0 and a name.
struct LinkedPart {
    int id = 0;
    std::string name;  // 8-bit host text
};

// What the document's window shows.
struct DocumentView {
    bool pageView = true;
    int zoom = 100;  // per cent
    int page = 1;
    int measure = 1;  // the measure and staff scrolled to
    int staff = 0;
    unsigned shownLayers = 0xF;  // bit i: the 0-based layer i
};

// Music lies in a layer (0-based, as the host counts) of a staff in a measure.
struct CellLayer {
    int staff = 0;
    int measure = 0;
    int layer = 0;
    bool operator<(const CellLayer& other) const
    {
        return std::tie(staff, measure, layer) < std::tie(other.staff, other.measure, other.layer);
    }
};

// A frame of entries handed out to a plug-in: the frame record, and the entry
// array it points to.
struct Frame {
    Bytes record;
    Bytes entries;
};

struct Document {
    int number = 1;
    std::string name;
    std::string path;  // full Windows path of the file it was read from
    // The score's staff order, which is also the global instrument list, is
    // kept in the records (document_queries.h: StaffOrder).
    DocumentStore records;
    std::array<unsigned char, 20> selection{};  // EREGION
    std::vector<MidiMapFile> midiMaps;
    std::string noteTypeFile;  // full Windows path; empty: the workbench's own
    std::vector<std::string> fonts;  // font number n is fonts[n - 1]
    DocumentView view;
    bool changed = false;
    std::vector<UndoStep> undoSteps;  // the last one is undone first
    std::vector<std::string> cancelledBlocks;  // names of the edit blocks cancelled, in order
    // The durations of the entries of each layer that has music.
    std::map<CellLayer, std::vector<long>> music;
    // Frames handed out and not yet given back.
    std::vector<std::unique_ptr<Frame>> framesOut;
    std::vector<std::string> endedBlocks;  // names of the edit blocks ended, in order
    std::vector<LinkedPart> parts;  // in the file's order; the score (ID 0) is not among them
    int currentPart = 0;  // the score
    std::shared_ptr<MadeFiles> madeFiles;
};

}  // namespace workbench
