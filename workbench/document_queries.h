// What the workbench reads back out of a document: measure count, regions,
// the staff order and slots, and each staff as its records describe it.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "workbench/document.h"

namespace workbench {

using Region = std::array<unsigned char, 20>;  // EREGION

// Measures 1, 2, ... up to the first number without a measure record.
int MeasureCount(const Document& document);
// The score's staff order, which is also the global instrument list: the
// staff numbers of the system staff records of list 0, slot 1 (inci 0) first,
// up to the first inci without a record. A record too short to name a staff
// gives 0, no staff, in its slot.
std::vector<int> StaffOrder(const Document& document);
// The staff in the 1-based slot of the global list; 0 when none.
int StaffInSlot(const Document& document, int slot);
// All staves and all measures; empty when there are no staves or measures.
Region WholeRegion(const Document& document);
bool IsEmptyRegion(const unsigned char* region);
// Empty, or slots of the global list and measures that exist.
bool IsRegionInDocument(const Document& document, const unsigned char* region);
// The 1-based slot of the staff number in the global list; 0 when none.
int SlotOfStaff(const Document& document, int staff);

// The number of the document's font of that name, case ignored as Windows
// does; 0 when there is none.
short FontNumber(const Document& document, const char* name);
// The staff number of a staff position key (staff, measure, 32-bit
// position) when that staff is in the document and the measure exists; 0
// otherwise.
int StaffAtPosition(const Document& document, const RecordKey& key);

// A raw text record's text up to its NUL; `found` false when there is none.
std::string RawText(const Document& document, unsigned long tag, unsigned number, bool* found);
// The text of a text block through its raw text; empty when either is missing.
std::string TextOfBlock(const Document& document, unsigned block);

struct StaffSummary {
    int slot = 0;
    int number = 0;
    bool hasRecord = false;
    std::string name;  // as stored, text tags included
    const char* notation = "standard";
    int transposition = 0;  // the host's transposition word
    int layout = 0;  // 0: the staff names no percussion layout
    bool layoutNamed = false;
    std::string layoutName;
    int layoutNotes = 0;
    bool hasInstrument = false;
    unsigned midiMap = 0;
};
// The staff in the slot; the layout tag of `hostVersion` counts its notes.
StaffSummary DescribeStaff(const Document& document, int slot, unsigned long hostVersion);

}  // namespace workbench
