// FCDrumwellBlockHandler: one analysis run of the selected percussion staff,
// run inside a host edit block that is always cancelled.
#pragma once

#include "framework/data/string.h"
#include "host/undo_block.h"
#include "tool/percussion_notes.h"

namespace tinyxml2 {
class XMLDocument;
class XMLElement;
}  // namespace tinyxml2

class FCControl;
class FCCtrlStatic;
class FCPercussionLayoutNotes;

class FCDrumwellBlockHandler : public __FCUndoBlockHandler {
public:
    // The five window controls that receive the report's header.
    FCDrumwellBlockHandler(FCControl* staffName, FCControl* layoutName, FCControl* mapName, FCCtrlStatic* layoutTotal,
                           FCCtrlStatic* mapTotal);

    // Always false, so that the edit block is cancelled.
    bool Execute() override;

    bool IsError() const { return _error; }
    FCString* GetErrorMessage() { return &_errorMessage; }

    // The note type table, read into _PercussionNoteTypes once it has entries.
    bool ReadPercNoteTypesFile();

    // Readers of the percussion MIDI map file.
    void GetMIDIMappingMasterName(tinyxml2::XMLDocument* document, FCString* out);
    tinyxml2::XMLElement* FindNoteNameList(tinyxml2::XMLDocument* document, FCString* name);
    void GetMIDIMappingDisplayName(tinyxml2::XMLElement* list, FCString* out);
    void ReadAllXMLNotes(tinyxml2::XMLElement* list);

    void DisplayReportData();

    // What the last run found, for the window and for tests.
    FCString* GetStaffName() { return &_staffName; }
    FCString* GetLayoutName() { return &_layoutName; }
    FCString* GetMapDisplayName() { return &_mapDisplayName; }
    FCString* GetMapMasterName() { return &_mapMasterName; }
    int GetLayoutItemCount() const { return _layoutItemCount; }
    FCXMLNoteNames* GetMapNotes() { return &_mapNotes; }

private:
    bool Fail(const char* message);
    bool ReadMidiMap(unsigned short mapNumber);
    void BuildNoteLines(FCPercussionLayoutNotes* notes);

    FCString _errorMessage;
    bool _error = false;
    FCString _staffName;
    FCString _layoutName;
    FCString _mapDisplayName;
    FCString _mapMasterName;
    int _layoutItemCount = 0;
    FCXMLNoteNames _mapNotes;
    FCControl* _pStaffNameControl;
    FCControl* _pLayoutNameControl;
    FCControl* _pMapNameControl;
    FCCtrlStatic* _pLayoutTotalControl;
    FCCtrlStatic* _pMapTotalControl;
};
