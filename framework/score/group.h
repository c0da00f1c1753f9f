// FCGroup: a staff group, which brackets the staves from its first to its
// last staff in the score's staff order and carries a full and an
// abbreviated name.
#pragma once

#include "framework/data/fixed_size_record.h"
#include "framework/data/record_families.h"
#include "framework/score/group_layout.h"

class FCString;

class FCGroup : public FixedSizeRecord<FCGroup, __FCNoInciDetail, group_record::kSize> {
public:
    const char* ClassName() const override { return "FCGroup"; }
    // The version of the layout the running host keeps groups in.
    unsigned long EnigmaVersion() const override;
    unsigned long Tag() override { return group_record::kTag; }
    // The first group is whatever the host finds after key 0/0.
    bool LoadFirst() override;

    short GetStartStaff() const;
    void SetStartStaff(short staff);
    short GetEndStaff() const;
    void SetEndStaff(short staff);
    unsigned short GetFullNameID() const;
    void SetFullNameID(unsigned short block);
    unsigned short GetAbbreviatedNameID() const;
    void SetAbbreviatedNameID(unsigned short block);

    // The names as stored, text tags included, and the full name without its
    // font tags. New strings, empty when a text does not load; the caller
    // owns them.
    FCString* CreateFullNameString();
    FCString* CreateTrimmedFullNameString();
    FCString* CreateAbbreviatedNameString();
    // The text becomes a new name text block, whose number the group takes;
    // the group itself is left for its caller to save. On failure the group
    // is unchanged.
    bool SaveNewFullNameBlock(FCString* text);
    bool SaveNewAbbreviatedNameBlock(FCString* text);

    // By the score's staff order (list 0 of the system staves): the staff's
    // position among the group's staves (0 for the first; -1 when it is not
    // among them), the number of staves from the first to the last (0 when
    // the last does not follow the first), and whether the staff is one of
    // the group's staves.
    int CalcStaffIndex(short staff);
    int CalcStaffSpan();
    bool ContainsStaff(short staff);

private:
    // Walks the staff order from the top to the group's last staff. The
    // group's staves run from its first staff to its last; where the last
    // comes before the first, the group has none.
    void _WalkStaffOrder(short staff, int* index, int* span);
};
