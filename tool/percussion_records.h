// The host records of a percussion staff: its percussion record, the
// staff's instrument definition, the layout's notes and the layout's name.
#pragma once

#include "framework/data/collection_data.h"
#include "framework/data/fixed_size_record.h"
#include "framework/data/raw_text.h"
#include "framework/data/record_families.h"

// The record a percussion staff points to; it names the staff's layout.
class FCPercussionStaff : public FixedSizeRecord<FCPercussionStaff, __FCNoInciOther, 12> {
public:
    const char* ClassName() const override { return "FCPercussionStaff"; }
    // The staff record gives the tag through the custom tag.
    unsigned long Tag() override;
    // Only ever loaded by item number.
    bool LoadFirst() override { return false; }
    unsigned short GetLayoutNumber() const;
};

// Stored under the staff's own number; names the staff's MIDI map.
class FCInstrumentDef : public FixedSizeRecord<FCInstrumentDef, __FCNoInciOther, 12> {
public:
    const char* ClassName() const override { return "FCInstrumentDef"; }
    unsigned long Tag() override { return 0x6F744F43; }
    // 0: no percussion MIDI map applies (General MIDI).
    unsigned short GetMIDIMapNumber() const;
};

// One note of a layout: the layout number is its comparison number, the
// note's index its inci.
class FCPercussionLayoutNote : public FixedSizeRecord<FCPercussionLayoutNote, __FCInciOther, 12> {
public:
    const char* ClassName() const override { return "FCPercussionLayoutNote"; }
    // Hosts from 0x11000000 on keep layout notes under another tag.
    unsigned long Tag() override;
    unsigned short GetNoteType() const;
    short GetOrderID() const;
    short GetStaffPosition() const;
    void* _GetPercussionNoteDef() { return _GetBuffer(); }
    short GetLayoutIndex() { return static_cast<short>(_GetKeyNumber(1)); }
};

class FCPercussionLayoutNotes : public __FCCollectionInciOther {
public:
    const char* ClassName() const override { return "FCPercussionLayoutNotes"; }
    __FCBaseData* CreateElement() override { return new FCPercussionLayoutNote; }
    FCPercussionLayoutNote* GetItemAt(int index) const
    {
        return static_cast<FCPercussionLayoutNote*>(__FCCollection::GetItemAt(index));
    }
};

// The layout's name, a text numbered by the layout number.
class FCPercussionLayoutNotesText : public __FCOtherText {
public:
    const char* ClassName() const override { return "FCPercussionLayoutNotesText"; }
    unsigned long Tag() override { return 0x6F73444C; }
};
