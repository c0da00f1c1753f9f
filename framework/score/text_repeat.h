// Text repeats: FCTextRepeatDef, the definition of a repeat instruction that
// the repeats placed in the score share; FCTextRepeatText, its text; and
// FCTextRepeat, a repeat placed in a measure.
#pragma once

#include "framework/data/fixed_size_record.h"
#include "framework/data/raw_text.h"
#include "framework/data/record_families.h"
#include "framework/score/text_repeat_layout.h"

class FCString;

class FCTextRepeatDef : public FixedSizeRecord<FCTextRepeatDef, __FCNoInciOther, text_repeat_def::kSize> {
public:
    const char* ClassName() const override { return "FCTextRepeatDef"; }
    unsigned long Tag() override { return text_repeat_def::kTag; }
    // The text goes too; the definition is deleted whether or not it had one.
    bool DeepDeleteData() override;
    // Item number 1, and only when it has a text.
    bool LoadFirst() override;
    // The copy under `item` gets a text record of its own.
    bool DeepSaveAs(unsigned short item) override;

    // The definition's text; a new string, empty when there is none. The
    // caller owns it.
    FCString* CreateTextString();
    bool _SaveTextAs(FCString* text, unsigned short item);
    bool _DeleteText();
};

// Numbered like its definition.
class FCTextRepeatText : public __FCOtherText {
public:
    const char* ClassName() const override { return "FCTextRepeatText"; }
    unsigned long Tag() override { return text_repeat_text::kTag; }
};

// Numbered by the measure and its place among the measure's repeats.
class FCTextRepeat : public FixedSizeRecord<FCTextRepeat, __FCInciOther, text_repeat_record::kSize> {
public:
    const char* ClassName() const override { return "FCTextRepeat"; }
    unsigned long Tag() override { return text_repeat_record::kTag; }

    unsigned short GetTextRepeatDefID() const;
    void SetTextRepeatDefID(unsigned short item);
    // False, and nothing changed, for no definition or one without an item number.
    bool AssignTextRepeatDef(FCTextRepeatDef* definition);
    // The definition this repeat names, loaded or not; the caller owns it.
    FCTextRepeatDef* CreateTextRepeatDef();
};
