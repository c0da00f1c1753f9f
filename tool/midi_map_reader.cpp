// Readers of the host's percussion MIDI map file: the device model, the note
// name list chosen by its reference name, its display name and its notes.
#include <tinyxml2.h>

#include "tool/block_handler.h"

using tinyxml2::XMLAttribute;
using tinyxml2::XMLDocument;
using tinyxml2::XMLElement;

namespace {

XMLElement* MasterDeviceNames(XMLDocument* document)
{
    XMLElement* root = document->FirstChildElement("FinaleNameDocument");
    return root == nullptr ? nullptr : root->FirstChildElement("MasterDeviceNames");
}

// A missing or unreadable number counts as 0.
int IntegerAttribute(XMLElement* element, const char* name)
{
    int value = 0;
    const XMLAttribute* attribute = element->FindAttribute(name);
    if (attribute == nullptr || attribute->QueryIntValue(&value) != tinyxml2::XML_SUCCESS) {
        return 0;
    }
    return value;
}

}  // namespace

void FCDrumwellBlockHandler::GetMIDIMappingMasterName(XMLDocument* document, FCString* out)
{
    XMLElement* devices = MasterDeviceNames(document);
    XMLElement* model = devices == nullptr ? nullptr : devices->FirstChildElement("Model");
    const char* text = model == nullptr ? nullptr : model->GetText();
    if (text != nullptr) {
        out->SetCString(text);
    }
}

XMLElement* FCDrumwellBlockHandler::FindNoteNameList(XMLDocument* document, FCString* name)
{
    XMLElement* devices = MasterDeviceNames(document);
    if (devices == nullptr) {
        return nullptr;
    }
    for (XMLElement* list = devices->FirstChildElement("NoteNameList"); list != nullptr;
         list = list->NextSiblingElement("NoteNameList")) {
        const char* listName = list->Attribute("Name");
        if (listName == nullptr) {
            continue;
        }
        FCString candidate(listName);
        if (candidate.IsEqual(name)) {
            return list;
        }
    }
    return nullptr;
}

void FCDrumwellBlockHandler::GetMIDIMappingDisplayName(XMLElement* list, FCString* out)
{
    if (const char* displayName = list->Attribute("DisplayName")) {
        out->SetCString(displayName);
    } else if (const char* name = list->Attribute("Name")) {
        out->SetCString(name);
    }
}

void FCDrumwellBlockHandler::ReadAllXMLNotes(XMLElement* list)
{
    _mapNotes.ClearAll();
    for (XMLElement* note = list->FirstChildElement("Note"); note != nullptr; note = note->NextSiblingElement("Note")) {
        int number = IntegerAttribute(note, "Number");
        int noteType = IntegerAttribute(note, "PercNoteType");
        if (number == 0 || noteType == 0) {
            continue;
        }
        auto* entry = new FCXMLNoteName;
        entry->midiNote = number;
        entry->noteType = static_cast<unsigned short>(noteType);
        _mapNotes.Add(entry);
    }
}
