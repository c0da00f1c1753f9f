// FCMeasureNumberRegion: how the measures of a range are numbered on the
// page, in the host's layout of the running host version; and
// FCMeasureNumberRegions, all regions, which find any measure's number.
#pragma once

#include "framework/data/collection_data.h"
#include "framework/data/record_families.h"
#include "framework/score/enclosure.h"
#include "framework/score/measure_number_layout.h"

class FCFontInfo;
class FCString;

enum NUMBERINGSTYLE {
    NUMBERING_DIGITS = 0,  // base 10 from '0', counted from one
};

class FCMeasureNumberRegion : public __FCNoInciOther {
public:
    // Both layouts zeroed.
    FCMeasureNumberRegion();
    const char* ClassName() const override { return "FCMeasureNumberRegion"; }
    unsigned long EnigmaVersion() const override;
    int DataSizeLoad() override;
    // The block of the running layout.
    void* Allocate() override;
    __FCBaseData* CreateObject() override { return new FCMeasureNumberRegion; }
    unsigned long Tag() override { return measure_number_region::kTag; }
    // The other's block of the running layout into this one's.
    void CloneMemoryFrom(const __FCBaseData* other) override;

    // Every accessor works on the layout of the running host version. A
    // `parts` argument picks the parts formatting over the score's; the older
    // layout has one formatting, which serves both, and no fonts, ranges or
    // parts settings beyond it.
    short GetStartMeasure() const;
    void SetStartMeasure(short measure);
    short GetEndMeasure() const;
    void SetEndMeasure(short measure);
    short GetStartNumber() const;
    void SetStartNumber(short number);
    short GetBase() const;
    void SetBase(short base);
    short GetStartChar() const;
    void SetStartChar(short character);
    short GetID() const;
    void SetID(short id);
    bool GetCountFromOne() const;
    void SetCountFromOne(bool state);
    void SetNoZero(bool state);
    bool GetDoubleUp() const;
    void SetDoubleUp(bool state);
    // The older layout always uses the score formatting for the parts.
    bool GetUseScoreInfoForParts() const;
    void SetUseScoreInfoForParts(bool state);
    // Styles other than NUMBERING_DIGITS change nothing.
    void SetNumberingStyle(NUMBERINGSTYLE style);

    bool GetShowOnTopStaff(bool parts) const;
    void SetShowOnTopStaff(bool value, bool parts);
    bool GetShowOnBottomStaff(bool parts) const;
    void SetShowOnSystemStart(bool value, bool parts);
    void SetHideFirstNumber(bool value, bool parts);
    bool GetShowMultiples(bool parts) const;
    // The older layout shows no ranges: false there.
    bool GetShowMultiMeasureRange(bool parts) const;

    void GetStartFontInfo(FCFontInfo* font, bool parts) const;
    void SetStartFontInfo(const FCFontInfo* font, bool parts);
    void GetMultipleFontInfo(FCFontInfo* font, bool parts) const;
    void SetMultipleFontInfo(const FCFontInfo* font, bool parts);
    void GetMultiMeasureFontInfo(FCFontInfo* font, bool parts) const;
    void SetMultiMeasureFontInfo(const FCFontInfo* font, bool parts);
    void SetStartVerticalPosition(short position, bool parts);
    void SetMultipleVerticalPosition(short position, bool parts);

    // Views on the enclosures inside this region's block; they stay the
    // region's. The older layout's one enclosure answers for all four.
    FCEnclosure* GetEnclosureStart(bool parts);
    FCEnclosure* GetEnclosureMultiple(bool parts);

    void GetPrefix(FCString* text) const;
    void GetSuffix(FCString* text) const;

    bool ContainsMeasure(short measure) const;
    // The measure's number as shown; false, and the text untouched, when the
    // region does not contain the measure or its base cannot number it.
    bool GetDisplayedNumber(short measure, FCString* text) const;
    // Prefix, number and suffix; null when there is no number. The caller
    // owns the string.
    FCString* CreateDisplayedString(short measure) const;
    // Copies formatting of another region (with parts: the other's formatting
    // for the parts). Nothing in the older layout.
    void CloneFormattingFrom(const FCMeasureNumberRegion* other, bool score, bool parts);

private:
    // Where a flag lives in the running layout; mask 0: not there.
    struct FlagSpot {
        int offset;
        unsigned mask;
    };

    static bool _HasPartsLayout();
    static int _LayoutSize();
    unsigned char* _Block();
    const unsigned char* _Block() const;
    // The offset of a field in the running layout.
    static int _Pick(int withParts, int beforeParts);
    // The offset of a formatting field; -1 when the older layout lacks it.
    static int _Formatting(int field, bool parts, int beforeParts);
    static FlagSpot _FormattingFlag(bool parts, unsigned withParts, unsigned beforeParts);
    static FlagSpot _MainFlag(unsigned mask);
    bool _GetFlag(FlagSpot spot) const;
    void _SetFlag(FlagSpot spot, bool state);
    void _GetFont(int offset, FCFontInfo* font) const;
    void _SetFont(int offset, const FCFontInfo* font);
    void _GetText(int offset, FCString* text) const;
    FCEnclosure* _Enclosure(int index, int offset);

    unsigned char _withParts[measure_number_region::with_parts::kSize] = {};
    unsigned char _beforeParts[measure_number_region::before_parts::kSize] = {};
    // Score start, parts start, score multiples, parts multiples.
    FCEnclosure _enclosures[4];
};

class FCMeasureNumberRegions : public __FCCollectionNoInciOther {
public:
    const char* ClassName() const override { return "FCMeasureNumberRegions"; }
    __FCBaseData* CreateElement() override { return new FCMeasureNumberRegion; }
    // Null when the index is out of range.
    FCMeasureNumberRegion* GetItemAt(int index) const
    {
        return dynamic_cast<FCMeasureNumberRegion*>(__FCCollection::GetItemAt(index));
    }
    // The first region in collection order that numbers the measure writes
    // the number and gives its index; otherwise the text becomes the plain
    // measure number and the result is -1. A number beyond the host's 16-bit
    // measure numbers is in no region.
    int CalcMeasureNumber(int measure, FCString* text) const;
};
