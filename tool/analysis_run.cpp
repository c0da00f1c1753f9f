// The analysis run: from the selected staff to its layout, MIDI map and note
// type table, into one note line per layout note.
#include <memory>

#include <tinyxml2.h>

#include "framework/data/music_region.h"
#include "framework/data/staff.h"
#include "host/service_wrappers.h"
#include "tool/block_handler.h"
#include "tool/percussion_records.h"

namespace {

constexpr unsigned short kPercussionNotation = 0x2000;
constexpr unsigned long kOtherTagPrefix = 0x6F740000;  // o, t
constexpr int kMapNameBufferSize = 256;

FCPercNoteType* FindNoteType(unsigned short noteType)
{
    for (int i = 0; i < _PercussionNoteTypes.GetCount(); ++i) {
        FCPercNoteType* entry = _PercussionNoteTypes.GetItemAt(i);
        if (entry != nullptr && (entry->typeNumber & 0x0FFF) == noteType) {
            return entry;
        }
    }
    return nullptr;
}

FCXMLNoteName* FindMapNote(FCXMLNoteNames* notes, unsigned short noteType)
{
    for (int i = 0; i < notes->GetCount(); ++i) {
        FCXMLNoteName* entry = notes->GetItemAt(i);
        if (entry != nullptr && entry->noteType == noteType) {
            return entry;
        }
    }
    return nullptr;
}

// The note type's name with the note's order number put in: "%g" becomes
// " 2", "%d" becomes " (2)" for the second note of a type; the first note
// of a type shows neither.
void FillOrderNumber(FCString* name, int orderID)
{
    if (orderID == 0) {
        name->Replace("%g", "");
        name->Replace("%d", "");
        return;
    }
    FCString number;
    number.SetInteger(orderID + 1);
    FCString spaced(" ");
    spaced.Append(&number);
    FCString bracketed(" (");
    bracketed.Append(&number);
    bracketed.Append(")");
    name->Replace("%g", spaced.GetCString());
    name->Replace("%d", bracketed.GetCString());
}

}  // namespace

FCDrumwellBlockHandler::FCDrumwellBlockHandler(FCControl* staffName, FCControl* layoutName, FCControl* mapName,
                                               FCCtrlStatic* layoutTotal, FCCtrlStatic* mapTotal)
    : _pStaffNameControl(staffName),
      _pLayoutNameControl(layoutName),
      _pMapNameControl(mapName),
      _pLayoutTotalControl(layoutTotal),
      _pMapTotalControl(mapTotal)
{
}

bool FCDrumwellBlockHandler::Fail(const char* message)
{
    _error = true;
    _errorMessage.SetCString(message);
    return false;
}

bool FCDrumwellBlockHandler::Execute()
{
    FCMusicRegion region;
    region.SetCurrentSelection();
    int staffNumber = FX_SlotToInst(region.GetStartSlot(), region.GetStartInstrumentList(), kFinaleInterfaceVersion);
    FCStaff staff;
    if (!staff.Load(static_cast<unsigned short>(staffNumber))) {
        return Fail("Couldn't load staff.");
    }
    if ((staff.GetNotationFlags() & kPercussionNotation) == 0) {
        return Fail("Staff is not a percussion staff.");
    }
    std::unique_ptr<FCString> staffName(staff.CreateDisplayFullNameString());
    _staffName.SetString(staffName.get());

    unsigned short tagSuffix = staff.GetPercussionTagSuffix();
    unsigned short percussionItem = staff.GetPercussionItemNo();
    if (tagSuffix == 0 || percussionItem == 0) {
        return Fail("Couldn't load percussion staff.");
    }
    auto percussionStaff = std::make_unique<FCPercussionStaff>();
    percussionStaff->SetCustomTag(kOtherTagPrefix | static_cast<unsigned long>(static_cast<long>(static_cast<short>(tagSuffix))));
    if (!percussionStaff->Load(percussionItem)) {
        return Fail("Couldn't load percussion staff.");
    }
    unsigned short layout = percussionStaff->GetLayoutNumber();
    percussionStaff.reset();

    FCPercussionLayoutNotes notes;
    notes.LoadAllForItem(layout);
    _layoutItemCount = notes.GetCount();

    FCPercussionLayoutNotesText layoutText;
    layoutText.Load(static_cast<short>(layout));
    std::unique_ptr<FCString> layoutName(layoutText.CreateString());
    _layoutName.SetString(layoutName.get());

    FCInstrumentDef instrument;
    if (!instrument.Load(static_cast<unsigned short>(staff.GetItemNo()))) {
        return Fail("Couldn't load instrument definition.");
    }
    unsigned short map = instrument.GetMIDIMapNumber();
    if (map == 0) {
        _mapMasterName.SetCString("General MIDI (No Percussion MIDI Mapping)");
    } else if (!ReadMidiMap(map)) {
        return false;
    }

    if (!ReadPercNoteTypesFile()) {
        return Fail("Couldn't load data with percussion note types.");
    }
    BuildNoteLines(&notes);
    DisplayReportData();
    return false;
}

bool FCDrumwellBlockHandler::ReadMidiMap(unsigned short mapNumber)
{
    FinPathSpec2009 path = {};
    char name[kMapNameBufferSize] = {};
    if (FX_GetPercMapRefData(mapNumber, &path, name, kMapNameBufferSize - 1, kFinaleInterfaceVersion) == 0) {
        return Fail("Could not locate Percussion MIDI map file.");
    }
    // A host that filled the whole buffer left no NUL of its own.
    name[kMapNameBufferSize - 1] = '\0';
    FCString reference(name);

    FCString pathString;
    if (!pathString.MakeFullFilePath(&path)) {
        return Fail("Could not resolve Percussion MIDI Map file location.");
    }
    tinyxml2::XMLDocument document(true, tinyxml2::PRESERVE_WHITESPACE);
    if (document.LoadFile(pathString.GetCString()) != tinyxml2::XML_SUCCESS) {
        return Fail("Could not load Percussion MIDI map file.");
    }
    GetMIDIMappingMasterName(&document, &_mapMasterName);
    if (tinyxml2::XMLElement* list = FindNoteNameList(&document, &reference)) {
        GetMIDIMappingDisplayName(list, &_mapDisplayName);
        ReadAllXMLNotes(list);
    }
    return true;
}

void FCDrumwellBlockHandler::BuildNoteLines(FCPercussionLayoutNotes* notes)
{
    for (int i = 0; i < notes->GetCount(); ++i) {
        FCPercussionLayoutNote* note = notes->GetItemAt(i);
        auto* line = new FCPercussionNoteInfo;
        line->noteType = note->GetNoteType();
        if (FCPercNoteType* type = FindNoteType(line->noteType)) {
            line->noteName.SetString(&type->name);
            FillOrderNumber(&line->noteName, note->GetOrderID());
            line->generalMidiNote = type->generalMidiNote;
        } else {
            line->noteName.SetCString("<Unknown>");
            line->generalMidiNote = -1;
        }
        FCXMLNoteName* mapped = FindMapNote(&_mapNotes, line->noteType);
        line->mappedMidiNote = mapped != nullptr ? mapped->midiNote : -1;
        line->staffPosition = note->GetStaffPosition();
        line->layoutIndex = note->GetLayoutIndex();
        _PercussionNoteList.Add(line);
    }
}
