// The inspector's in-memory records and their lists: note types of the host's
// table, note entries of a MIDI map, and the analysed note lines.
#pragma once

#include "framework/data/collection.h"
#include "framework/data/string.h"

// A list of one kind of the records below, which it owns.
template <typename Element>
class NoteList : public __FCCollection {
public:
    Element* GetItemAt(int index) const { return static_cast<Element*>(__FCCollection::GetItemAt(index)); }
};

// One entry of the percussion note type table.
class FCPercNoteType : public __FCBase {
public:
    FCString name;  // may hold the placeholders "%g" and "%d"
    unsigned short typeNumber = 0;  // compared on its low 12 bits
    int generalMidiNote = 0;
    int column2 = 0;
    int column6 = 0;
    int column4 = 0;
    int column7 = 0;
    int column8 = 0;
};

class FCPercNoteTypes : public NoteList<FCPercNoteType> {};

// One note entry of the selected note name list of a MIDI map file.
class FCXMLNoteName : public __FCBase {
public:
    int midiNote = 0;
    unsigned short noteType = 0;
};

class FCXMLNoteNames : public NoteList<FCXMLNoteName> {};

// One analysed note line: a note of the staff's percussion layout.
class FCPercussionNoteInfo : public __FCBase {
public:
    unsigned short noteType = 0;
    FCString noteName;
    int mappedMidiNote = -1;
    int generalMidiNote = -1;
    int staffPosition = 0;
    int layoutIndex = 0;
};

class FCPercussionNoteInfos : public NoteList<FCPercussionNoteInfo> {};

// The note type table, read once per library lifetime, and the note lines of
// the last analysis run. Built in this order when the library loads.
extern FCPercNoteTypes _PercussionNoteTypes;
extern FCPercussionNoteInfos _PercussionNoteList;
