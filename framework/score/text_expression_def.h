// FCTextExpressionDef: the shared definition of a text expression, with its
// text in a text block, an optional enclosure, its category, a description,
// and the style of the rehearsal marks it writes.
#pragma once

#include "framework/data/record_families.h"
#include "framework/score/expression_layout.h"

class FCCategoryDef;
class FCEnclosure;
class FCString;

class FCTextExpressionDef : public __FCNoInciOther {
public:
    // A zeroed fixed part of 36 bytes.
    FCTextExpressionDef();
    ~FCTextExpressionDef() override;
    const char* ClassName() const override { return "FCTextExpressionDef"; }
    unsigned long EnigmaVersion() const override { return text_expression_def::kVersion; }
    // The host's size of the record, at least the fixed part; 0 when the
    // host has no such record.
    int DataSizeLoad() override;
    // The fixed part, and the description when there is one.
    int DataSizeSave() const override;
    void* Allocate() override;
    void Deallocate() override;
    bool IsDynamicSize() const override { return true; }
    __FCBaseData* CreateObject() override { return new FCTextExpressionDef; }
    unsigned long Tag() override { return text_expression_def::kTag; }
    // Never less than the fixed part, whatever the other holds.
    void CloneMemoryFrom(const __FCBaseData* other) override;
    // The next item number, whether or not the host has records between.
    bool LoadNext() override;
    // Under the new number with a text of its own and its enclosure.
    bool DeepSaveAs(unsigned short item) override;

    // The text; a new string, empty when it does not load. The caller owns it.
    FCString* CreateTextString();
    bool SaveTextString(FCString* text);
    // The text as a new raw text in a new text block, which the definition
    // then names.
    bool SaveNewTextBlock(FCString* text);
    // Null when the definition has none or it does not load; the caller owns it.
    FCEnclosure* CreateEnclosure();
    // False, and nothing changed, for a category without a number that bits
    // 0-13 can hold.
    bool AssignToCategory(FCCategoryDef* category);
    // The definition always takes the category's font and position.
    void SetCategoryFontUse(bool) {}
    void SetCategoryPosUse(bool) {}
    void SetDescription(FCString* text);
    void GetDescription(FCString* text) const;
    // The n-th mark (from 1) in the definition's style; false, and the text
    // untouched, for another style or a number outside 1 to 32767.
    bool MakeRehearsalMark(int n, FCString* text);

private:
    // Replaces the buffer by a zeroed one of `size` bytes (at least the
    // fixed part) with the old bytes kept up to `kept`.
    void _Replace(int size, int kept);
    // The bytes to write into; a definition that holds nothing starts anew.
    unsigned char* _Writable();
    unsigned short _Word(int offset) const;

    unsigned char* _heapBlock = nullptr;
    int _heapSize = 0;
};
