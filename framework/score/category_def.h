// FCCategoryDef: an expression category as far as a text expression
// definition joins it. The record (tag SOCA, 12 bytes, numbered by the
// category's item number) is ours: the text font (number, size, effect bits),
// the host's vertical alignment rule, and the horizontal and vertical offsets,
// six 16-bit values that AssignToCategory copies into the definition.
#pragma once

#include "framework/data/fixed_size_record.h"
#include "framework/data/record_families.h"
#include "framework/score/expression_layout.h"
#include "host/record_bytes.h"

class FCCategoryDef : public FixedSizeRecord<FCCategoryDef, __FCNoInciOther, category_def::kSize> {
public:
    const char* ClassName() const override { return "FCCategoryDef"; }
    unsigned long Tag() override { return category_def::kTag; }

    short GetFontID() const { return _Value(category_def::kFontNumber); }
    short GetFontSize() const { return _Value(category_def::kFontSize); }
    unsigned short GetFontEffects() const { return static_cast<unsigned short>(_Value(category_def::kFontEffects)); }
    short GetVerticalAlignment() const { return _Value(category_def::kVerticalAlignment); }
    short GetHorizontalOffset() const { return _Value(category_def::kHorizontalOffset); }
    short GetVerticalOffset() const { return _Value(category_def::kVerticalOffset); }

private:
    short _Value(int offset) const { return ReadS16(_GetBlock(), offset); }
};
