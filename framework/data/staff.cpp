// The staff record: notation style, transposition and the full name reached
// through its text block and raw text.
#include "framework/data/staff.h"

#include "framework/data/cell.h"
#include "framework/data/staff_layout.h"
#include "framework/data/string.h"
#include "framework/data/text_block.h"
#include "host/record_bytes.h"

namespace {
// The signed value of `width` bits starting at bit `low`.
int SignedBits(int word, int low, int width)
{
    int value = (word >> low) & ((1 << width) - 1);
    return value >= (1 << (width - 1)) ? value - (1 << width) : value;
}
}  // namespace

bool FCStaff::LoadFirst()
{
    _SetKeyNumber(0, 0);
    _SetKeyNumber(1, 0);
    return LoadNext();
}

unsigned short FCStaff::GetNotationFlags() const
{
    return ReadU16(_GetBlock(), staff_record::kNotationFlags);
}

int FCStaff::GetTransposeInterval() const
{
    int word = ReadS16(_GetBlock(), staff_record::kTransposition);
    if ((word & staff_record::kWideTransposition) != 0) {
        return SignedBits(word, 0, 8);
    }
    return SignedBits(word, 6, 6);
}

int FCStaff::GetTransposeAlteration() const
{
    int word = ReadS16(_GetBlock(), staff_record::kTransposition);
    if ((word & staff_record::kWideTransposition) != 0) {
        return SignedBits(word, 8, 4);
    }
    return SignedBits(word, 0, 6);
}

unsigned short FCStaff::GetFullNameTextBlock() const
{
    return ReadU16(_GetBlock(), staff_record::kFullNameTextBlock);
}

unsigned short FCStaff::GetPercussionTagSuffix() const
{
    return ReadU16(_GetBlock(), staff_record::kPercussionTagSuffix);
}

unsigned short FCStaff::GetPercussionItemNo() const
{
    return ReadU16(_GetBlock(), staff_record::kPercussionItemNo);
}

bool FCStaff::GetIndependentKeys() const
{
    return (ReadU16(_GetBlock(), staff_record::kIndependentFlags) & staff_record::kIndependentKeys) != 0;
}

FCString* FCStaff::CreateFullNameString()
{
    return FCTextBlock::CreateTextStringOfBlock(GetFullNameTextBlock());
}

FCString* FCStaff::CreateTrimmedFullNameString()
{
    FCString* name = CreateFullNameString();
    name->TrimEnigmaFontTags();
    return name;
}

FCString* FCStaff::CreateDisplayFullNameString()
{
    FCString* name = CreateTrimmedFullNameString();
    name->Replace("^flat()", "b");
    name->Replace("^sharp()", "#");
    return name;
}

bool FCCurrentStaffSpec::Load(FCCell* cell, long position)
{
    _SetKeyNumber(0, static_cast<unsigned>(cell->GetStaff()));
    _SetKeyNumber(1, static_cast<unsigned>(cell->GetMeasure()));
    WriteU32(_GetKey(), 4, static_cast<unsigned long>(position));
    return LoadDataBlock();
}
