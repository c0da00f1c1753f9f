// Building the files the workbench hands plug-ins for note types given by
// their sound and for made MIDI maps: a note type table (the one the
// document would use, with the types of its own added) and a MIDI map file,
// in a temporary folder that goes with the document.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "workbench/note_type_file.h"
#include "workbench/paths.h"
#include "workbench/record_building.h"

namespace workbench {
namespace {

constexpr long kHighestNoteType = 4095;
constexpr long kHighestOrder = 7;

// What the made types build on: the first type of each General MIDI note,
// and the highest type of the table.
struct NoteTypes {
    std::map<long, long> typeOfGeneralMidi;
    long highestType = 0;
};

NoteTypes TypesOf(const NoteTypeFile& file)
{
    NoteTypes table;
    for (const NoteTypeFile::Entry& entry : file.entries) {
        table.typeOfGeneralMidi.emplace(entry.generalMidi, entry.type);
        table.highestType = std::max(table.highestType, entry.type);
    }
    return table;
}

// A name as a field of a table line: commas would split it.
std::string TableField(std::string name)
{
    for (char& c : name) {
        c = c == ',' ? ';' : c == '\n' || c == '\r' ? ' ' : c;
    }
    return name;
}

std::string XmlEscaped(const std::string& text)
{
    std::string escaped;
    for (char c : text) {
        switch (c) {
        case '&': escaped += "&amp;"; break;
        case '<': escaped += "&lt;"; break;
        case '>': escaped += "&gt;"; break;
        case '"': escaped += "&quot;"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

// A new empty folder under the temporary folder; empty when none can be made.
std::string MakeFolder()
{
    char temp[MAX_PATH];
    char unique[MAX_PATH];
    DWORD length = GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH || GetTempFileNameA(temp, "dwl", 0, unique) == 0) {
        return std::string();
    }
    // The unique name becomes the folder's.
    DeleteFileA(unique);
    return CreateDirectoryA(unique, nullptr) ? std::string(unique) : std::string();
}

bool WriteMadeFile(BuildContext& context, const std::string& name, const std::string& bytes, std::string* path)
{
    std::shared_ptr<MadeFiles>& made = context.document.madeFiles;
    if (!made) {
        made = std::make_shared<MadeFiles>();
        made->folder = MakeFolder();
        if (made->folder.empty()) {
            return context.Fail("cannot make a temporary folder for the percussion files");
        }
    }
    *path = made->folder + "\\" + name;
    FILE* file = std::fopen(path->c_str(), "wb");
    if (file == nullptr) {
        return context.Fail("cannot write " + *path);
    }
    made->files.push_back(*path);
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written ? true : context.Fail("cannot write " + *path);
}

// Gives every note of a sound its type and order. A General MIDI note takes
// the table's type unless an earlier note of the layout has it (a MIDI map
// tells note types apart, not notes); otherwise the note gets a type of its
// own, one per name and General MIDI note in the document, added to `lines`.
bool ResolveSounds(BuildContext& context, const NoteTypes& table, std::string* lines)
{
    std::map<std::pair<std::string, long>, long> ownTypes;
    long next = table.highestType + 1;
    for (LayoutDescription& layout : context.score.layouts) {
        std::map<long, long> used;  // notes of each type so far
        for (LayoutNoteDescription& note : layout.notes) {
            if (note.sound) {
                auto typical = table.typeOfGeneralMidi.find(note.sound->generalMidi);
                if (note.sound->generalMidi >= 0 && typical != table.typeOfGeneralMidi.end() &&
                    used.count(typical->second) == 0) {
                    note.type = typical->second;
                } else {
                    auto key = std::make_pair(note.sound->name, note.sound->generalMidi);
                    auto own = ownTypes.find(key);
                    if (own == ownTypes.end()) {
                        if (next > kHighestNoteType) {
                            return context.Fail(layout.line, "no note type number is left for \"" +
                                                                 note.sound->name + "\"");
                        }
                        own = ownTypes.emplace(key, next++).first;
                        *lines += std::to_string(own->second) + ",0," + TableField(note.sound->name) + ",0," +
                                  std::to_string(note.sound->generalMidi) + "," + std::to_string(note.position) +
                                  ",0,0\n";
                    }
                    note.type = own->second;
                }
                long earlier = used[note.type];
                note.order = earlier < kHighestOrder ? earlier : kHighestOrder;
            }
            ++used[note.type];
        }
    }
    return true;
}

std::string MidiMapText(const ScoreDescription& score)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<FinaleNameDocument>\n"
                      "  <MasterDeviceNames>\n    <Model>" + XmlEscaped(score.madeMapModel) + "</Model>\n";
    for (const MadeMidiMap& map : score.madeMidiMaps) {
        xml += "    <NoteNameList Name=\"" + XmlEscaped(map.name) + "\">\n";
        for (const LayoutDescription& layout : score.layouts) {
            for (const LayoutNoteDescription& note : layout.notes) {
                if (layout.number == map.layout && note.midiNote >= 0) {
                    xml += "      <Note Number=\"" + std::to_string(note.midiNote) + "\" PercNoteType=\"" +
                           std::to_string(note.type) + "\"/>\n";
                }
            }
        }
        xml += "    </NoteNameList>\n";
    }
    return xml + "  </MasterDeviceNames>\n</FinaleNameDocument>\n";
}

}  // namespace

MadeFiles::~MadeFiles()
{
    for (const std::string& file : files) {
        DeleteFileA(file.c_str());
    }
    if (!folder.empty()) {
        RemoveDirectoryA(folder.c_str());
    }
}

bool BuildPercussionFiles(BuildContext& context)
{
    ScoreDescription& score = context.score;
    bool sounds = false;
    for (const LayoutDescription& layout : score.layouts) {
        for (const LayoutNoteDescription& note : layout.notes) {
            sounds = sounds || note.sound.has_value();
        }
    }
    if (sounds) {
        const NoteTypeFile read = ReadNoteTypeFile(NoteTypeTable(context.document.noteTypeFile));
        std::string ownLines;
        if (!ResolveSounds(context, TypesOf(read), &ownLines)) {
            return false;
        }
        if (!ownLines.empty()) {
            std::string text = read.text.empty() ? "0000000000\n" : read.text;
            text += (text.back() == '\n' ? "" : "\n") + std::string("\n[Types of this document]\n") + ownLines;
            if (!WriteMadeFile(context, kDefaultNoteTypeFile, text, &context.document.noteTypeFile)) {
                return false;
            }
        }
    }
    if (score.madeMidiMaps.empty()) {
        return true;
    }
    std::string path;
    if (!WriteMadeFile(context, "percussion_midi_maps.xml", MidiMapText(score), &path)) {
        return false;
    }
    for (const MadeMidiMap& map : score.madeMidiMaps) {
        for (const MidiMapFile& other : context.document.midiMaps) {
            if (other.number == map.number) {
                return context.Fail("MIDI map " + std::to_string(map.number) + " is given twice");
            }
        }
        context.document.midiMaps.push_back(MidiMapFile{map.number, path, map.name});
    }
    return true;
}

}  // namespace workbench
