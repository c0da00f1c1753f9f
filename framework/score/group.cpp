// Staff groups: their names through text blocks and their staves in the
// score's staff order.
#include "framework/score/group.h"

#include "framework/data/string.h"
#include "framework/data/text_block.h"
#include "framework/score/system_staff.h"
#include "host/finale_version.h"
#include "host/record_bytes.h"

unsigned long FCGroup::EnigmaVersion() const
{
    return group_record::VersionFor(GetFinaleFrameworkVersion());
}

bool FCGroup::LoadFirst()
{
    _SetKeyNumber(0, 0);
    _SetKeyNumber(1, 0);
    _SetKeyNumber(2, 0);
    return LoadNext();
}

short FCGroup::GetStartStaff() const
{
    return ReadS16(_GetBlock(), group_record::kFirstStaff);
}

void FCGroup::SetStartStaff(short staff)
{
    WriteU16(_GetBlock(), group_record::kFirstStaff, static_cast<unsigned short>(staff));
}

short FCGroup::GetEndStaff() const
{
    return ReadS16(_GetBlock(), group_record::kLastStaff);
}

void FCGroup::SetEndStaff(short staff)
{
    WriteU16(_GetBlock(), group_record::kLastStaff, static_cast<unsigned short>(staff));
}

unsigned short FCGroup::GetFullNameID() const
{
    return ReadU16(_GetBlock(), group_record::kFullNameBlock);
}

void FCGroup::SetFullNameID(unsigned short block)
{
    WriteU16(_GetBlock(), group_record::kFullNameBlock, block);
}

unsigned short FCGroup::GetAbbreviatedNameID() const
{
    return ReadU16(_GetBlock(), group_record::kAbbreviatedNameBlock);
}

void FCGroup::SetAbbreviatedNameID(unsigned short block)
{
    WriteU16(_GetBlock(), group_record::kAbbreviatedNameBlock, block);
}

FCString* FCGroup::CreateFullNameString()
{
    return FCTextBlock::CreateTextStringOfBlock(GetFullNameID());
}

FCString* FCGroup::CreateTrimmedFullNameString()
{
    FCString* name = CreateFullNameString();
    name->TrimEnigmaFontTags();
    return name;
}

FCString* FCGroup::CreateAbbreviatedNameString()
{
    return FCTextBlock::CreateTextStringOfBlock(GetAbbreviatedNameID());
}

bool FCGroup::SaveNewFullNameBlock(FCString* text)
{
    unsigned short block = 0;
    if (!FCTextBlock::SaveNewTextAndBlock(text, &block)) {
        return false;
    }
    SetFullNameID(block);
    return true;
}

bool FCGroup::SaveNewAbbreviatedNameBlock(FCString* text)
{
    unsigned short block = 0;
    if (!FCTextBlock::SaveNewTextAndBlock(text, &block)) {
        return false;
    }
    SetAbbreviatedNameID(block);
    return true;
}

void FCGroup::_WalkStaffOrder(short staff, int* index, int* span)
{
    *index = -1;
    *span = 0;
    FCSystemStaves order;
    order.LoadAllForItem(system_staff_record::kScoreList);
    int counted = 0;
    bool inside = false;
    for (int i = 0; i < order.GetCount(); ++i) {
        short current = order.GetItemAt(i)->GetStaff();
        inside = inside || current == GetStartStaff();
        if (inside) {
            if (current == staff && *index < 0) {
                *index = counted;
            }
            ++counted;
        }
        if (current == GetEndStaff()) {
            *span = counted;
            return;
        }
    }
}

int FCGroup::CalcStaffIndex(short staff)
{
    int index = -1;
    int span = 0;
    _WalkStaffOrder(staff, &index, &span);
    return index;
}

int FCGroup::CalcStaffSpan()
{
    int index = -1;
    int span = 0;
    _WalkStaffOrder(GetStartStaff(), &index, &span);
    return span;
}

bool FCGroup::ContainsStaff(short staff)
{
    if (staff == GetStartStaff() || staff == GetEndStaff()) {
        return true;
    }
    int index = -1;
    int span = 0;
    _WalkStaffOrder(staff, &index, &span);
    return index >= 0;
}
