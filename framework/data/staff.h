// FCStaff, the host's staff record, and FCCurrentStaffSpec, the staff as it
// stands at one position of one cell.
#pragma once

#include "framework/data/fixed_size_record.h"
#include "framework/data/record_families.h"
#include "framework/data/staff_layout.h"

class FCCell;
class FCString;

class FCStaff : public FixedSizeRecord<FCStaff, __FCNoInciOther, 114> {
public:
    const char* ClassName() const override { return "FCStaff"; }
    unsigned long EnigmaVersion() const override { return 0x0F000000; }
    unsigned long Tag() override { return staff_record::kTag; }
    // The first staff is whatever the host finds after number 0.
    bool LoadFirst() override;

    // Notation style bits: 0x2000 percussion, 0x0200 tablature.
    unsigned short GetNotationFlags() const;
    int GetTransposeInterval() const;
    int GetTransposeAlteration() const;
    unsigned short GetFullNameTextBlock() const;
    // The staff's percussion record: the low half of its tag (the high half
    // is 0x6F74) and its item number.
    unsigned short GetPercussionTagSuffix() const;
    unsigned short GetPercussionItemNo() const;
    // Whether cells of the staff may have key signatures of their own.
    bool GetIndependentKeys() const;

    // The full name as stored, without its font tags, and as shown (flat and
    // sharp signs as "b" and "#"). New strings, never null; the caller owns them.
    FCString* CreateFullNameString();
    FCString* CreateTrimmedFullNameString();
    FCString* CreateDisplayFullNameString();
};

// Read-only: the staff as it stands at one position of one cell.
class FCCurrentStaffSpec : public FCStaff {
public:
    const char* ClassName() const override { return "FCCurrentStaffSpec"; }
    unsigned long Tag() override { return staff_record::kSpecTag; }
    __FCBaseData* CreateObject() override { return new FCCurrentStaffSpec; }
    bool Load(FCCell* cell, long position);
    bool Load(unsigned short) override { return false; }
    bool SaveAs(unsigned short) override { return false; }
    bool SaveNew() override { return false; }
    bool Save() override { return false; }
    bool DeleteData() override { return false; }
    short GetItemNo() override { return 0; }
};
