// Checking the MIDI map files and the note type table a document names.
#include "workbench/document_warnings.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>

#include <tinyxml2.h>

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

std::string Trimmed(const std::string& line)
{
    size_t first = line.find_first_not_of(" \t\r\n");
    size_t last = line.find_last_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : line.substr(first, last - first + 1);
}

// The note types of the table as the plug-in reads it: a ten-digit stamp
// line, then entries "type,..." of at least five fields. False when the file
// cannot be read or lacks the stamp.
bool ReadNoteTypes(const std::string& path, std::set<long>* types, std::string* problem)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        *problem = "cannot be read";
        return false;
    }
    char buffer[1024];
    bool first = true;
    bool stamped = false;
    while (std::fgets(buffer, sizeof buffer, file) != nullptr) {
        std::string line = Trimmed(buffer);
        if (first) {
            stamped = line.size() == 10 && line.find_first_not_of("0123456789") == std::string::npos;
            first = false;
        } else if (!line.empty() && std::isdigit(static_cast<unsigned char>(line[0])) &&
                   std::count(line.begin(), line.end(), ',') >= 4) {
            types->insert(std::strtol(line.c_str(), nullptr, 10));
        }
    }
    std::fclose(file);
    *problem = "lacks its first line, a ten-digit stamp";
    return stamped;
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
    std::set<long> types;
    std::string problem;
    if (!ReadNoteTypes(table, &types, &problem)) {
        warn(score.noteTypeLine != 0 ? score.noteTypeLine : firstNote->line,
             "the note type table " + Utf8FromPath(table) + " " + problem + ": the layout notes' types are not checked");
        return warnings;
    }
    for (const LayoutDescription& layout : score.layouts) {
        for (const LayoutNoteDescription& note : layout.notes) {
            if (types.count(note.type) == 0) {
                warn(note.line, "note type " + std::to_string(note.type) + " is not in the note type table " + Utf8FromPath(table));
            }
        }
    }
    return warnings;
}

}  // namespace workbench
