// Checking the MIDI map files and the note type table a document names.
#include "workbench/document_warnings.h"

#include <set>

#include <tinyxml2.h>

#include "workbench/note_type_file.h"
#include "workbench/paths.h"
#include "workbench/xml_element_reader.h"

namespace workbench {
namespace {

// Empty when the file has the note name list `reference`, else why not.
std::string MidiMapProblem(const MidiMapFile& map)
{
    if (!IsExistingFile(map.path)) {
        return "there is no file " + Utf8FromPath(map.path);
    }
    tinyxml2::XMLDocument xml;
    if (xml.LoadFile(map.path.c_str()) != tinyxml2::XML_SUCCESS) {
        return Utf8FromPath(map.path) + " is not well-formed XML (line " + std::to_string(xml.ErrorLineNum()) + ": " +
               DescribeXmlError(xml.ErrorID()) + ")";
    }
    const tinyxml2::XMLElement* root = xml.FirstChildElement("FinaleNameDocument");
    const tinyxml2::XMLElement* devices = root == nullptr ? nullptr : root->FirstChildElement("MasterDeviceNames");
    for (const tinyxml2::XMLElement* list = devices == nullptr ? nullptr : devices->FirstChildElement("NoteNameList");
         list != nullptr; list = list->NextSiblingElement("NoteNameList")) {
        const char* name = list->Attribute("Name");
        if (name != nullptr && map.reference == name) {
            return std::string();
        }
    }
    return Utf8FromPath(map.path) + " has no note name list \"" + map.reference + "\"";
}

}  // namespace

std::vector<std::string> DocumentWarnings(const ScoreDescription& score, const std::string& fileName)
{
    std::vector<std::string> warnings;
    auto warn = [&](int line, const std::string& message) {
        warnings.push_back(fileName + ":" + std::to_string(line) + ": warning: " + message);
    };
    for (const MidiMapFile& map : score.midiMaps) {
        std::string problem = MidiMapProblem(map);
        if (!problem.empty()) {
            warn(map.line, "MIDI map " + std::to_string(map.number) + ": " + problem);
        }
    }
    const LayoutNoteDescription* firstNote = nullptr;
    for (const LayoutDescription& layout : score.layouts) {
        firstNote = firstNote != nullptr || layout.notes.empty() ? firstNote : &layout.notes.front();
    }
    if (firstNote == nullptr) {
        return warnings;
    }
    const std::string table = NoteTypeTable(score.noteTypeFile);
    const NoteTypeFile read = ReadNoteTypeFile(table);
    if (!read.readable || !read.stamped) {
        warn(score.noteTypeLine != 0 ? score.noteTypeLine : firstNote->line,
             "the note type table " + Utf8FromPath(table) + " " +
                 (read.readable ? "lacks its first line, a ten-digit stamp" : "cannot be read") +
                 ": the layout notes' types are not checked");
        return warnings;
    }
    // The plug-in matches note types on their low 12 bits.
    std::set<long> types;
    for (const NoteTypeFile::Entry& entry : read.entries) {
        types.insert(entry.type & 0x0FFF);
    }
    for (const LayoutDescription& layout : score.layouts) {
        for (const LayoutNoteDescription& note : layout.notes) {
            if (types.count(note.type & 0x0FFF) == 0) {
                warn(note.line, "note type " + std::to_string(note.type) + " is not in the note type table " + Utf8FromPath(table));
            }
        }
    }
    return warnings;
}

}  // namespace workbench
