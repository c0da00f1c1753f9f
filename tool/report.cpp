// The report: the header fields the analysis run fills and the texts of
// the note list's rows.
#include "tool/report.h"

#include "framework/data/string.h"
#include "framework/ui/controls.h"
#include "host/service_wrappers.h"
#include "tool/block_handler.h"

namespace {
constexpr short kMidiNoteNameSize = 20;
}

void AppendMidiNoteText(FCString* text, int note)
{
    char name[kMidiNoteNameSize] = {};
    FX_MidiNoteToString(static_cast<short>(note), name, kMidiNoteNameSize, 1, kFinaleInterfaceVersion);
    name[kMidiNoteNameSize - 1] = '\0';
    FCString number;
    number.SetInteger(note);
    text->Append(&number);
    text->Append(" ('");
    text->Append(name);
    text->Append("')");
}

void FCDrumwellBlockHandler::DisplayReportData()
{
    _pStaffNameControl->SetText(&_staffName);
    _pLayoutNameControl->SetText(&_layoutName);
    FCString mapName;
    mapName.SetString(&_mapMasterName);
    if (_mapDisplayName.GetLength() > 0) {
        mapName.Append(" - ");
        mapName.Append(&_mapDisplayName);
    }
    _pMapNameControl->SetText(&mapName);
    _pLayoutTotalControl->SetInteger(_layoutItemCount);
    _pMapTotalControl->SetInteger(_mapNotes.GetCount());
}
