// Measure number regions: their fields in the layout of the running host
// version, fonts, enclosure views and copied formatting.
#include "framework/score/measure_number_region.h"

#include <cstring>

#include "framework/data/font_info.h"
#include "framework/data/string.h"
#include "host/finale_version.h"
#include "host/record_bytes.h"

namespace mnr = measure_number_region;
namespace wp = measure_number_region::with_parts;
namespace bp = measure_number_region::before_parts;

FCMeasureNumberRegion::FCMeasureNumberRegion()
{
    _SetBuffer(_Block());
    _SetBufferSize(_LayoutSize());
}

bool FCMeasureNumberRegion::_HasPartsLayout()
{
    return mnr::HasPartsLayout(GetFinaleFrameworkVersion());
}

int FCMeasureNumberRegion::_LayoutSize()
{
    return _HasPartsLayout() ? wp::kSize : bp::kSize;
}

unsigned char* FCMeasureNumberRegion::_Block()
{
    return _HasPartsLayout() ? _withParts : _beforeParts;
}

const unsigned char* FCMeasureNumberRegion::_Block() const
{
    return _HasPartsLayout() ? _withParts : _beforeParts;
}

int FCMeasureNumberRegion::_Pick(int withParts, int beforeParts)
{
    return _HasPartsLayout() ? withParts : beforeParts;
}

int FCMeasureNumberRegion::_Formatting(int field, bool parts, int beforeParts)
{
    if (!_HasPartsLayout()) {
        return beforeParts;
    }
    return (parts ? wp::kPartsFormatting : wp::kScoreFormatting) + field;
}

FCMeasureNumberRegion::FlagSpot FCMeasureNumberRegion::_FormattingFlag(bool parts, unsigned withParts,
                                                                       unsigned beforeParts)
{
    if (!_HasPartsLayout()) {
        return FlagSpot{bp::kFlags, beforeParts};
    }
    return FlagSpot{_Formatting(wp::kFormattingFlags, parts, 0), withParts};
}

FCMeasureNumberRegion::FlagSpot FCMeasureNumberRegion::_MainFlag(unsigned mask)
{
    return FlagSpot{_Pick(wp::kFlags, bp::kFlags), mask};
}

bool FCMeasureNumberRegion::_GetFlag(FlagSpot spot) const
{
    return (ReadU16(_Block(), spot.offset) & spot.mask) != 0;
}

void FCMeasureNumberRegion::_SetFlag(FlagSpot spot, bool state)
{
    unsigned short word = ReadU16(_Block(), spot.offset);
    Set16BitFlag(&word, static_cast<unsigned short>(spot.mask), state);
    WriteU16(_Block(), spot.offset, word);
}

unsigned long FCMeasureNumberRegion::EnigmaVersion() const
{
    return _HasPartsLayout() ? wp::kVersion : bp::kVersion;
}

int FCMeasureNumberRegion::DataSizeLoad()
{
    return _LayoutSize();
}

void* FCMeasureNumberRegion::Allocate()
{
    _SetBufferSize(_LayoutSize());
    return _Block();
}

void FCMeasureNumberRegion::CloneMemoryFrom(const __FCBaseData* other)
{
    auto* region = dynamic_cast<const FCMeasureNumberRegion*>(other);
    if (region == nullptr || region == this) {
        return;
    }
    std::memcpy(_Block(), region->_Block(), _LayoutSize());
    _SetBuffer(_Block());
    _SetBufferSize(_LayoutSize());
    _SetDataSize(_LayoutSize());
}

short FCMeasureNumberRegion::GetStartMeasure() const
{
    return ReadS16(_Block(), _Pick(wp::kStartMeasure, bp::kStartMeasure));
}

void FCMeasureNumberRegion::SetStartMeasure(short measure)
{
    WriteU16(_Block(), _Pick(wp::kStartMeasure, bp::kStartMeasure), static_cast<unsigned short>(measure));
}

short FCMeasureNumberRegion::GetEndMeasure() const
{
    return static_cast<short>(ReadS16(_Block(), _Pick(wp::kEndMeasure, bp::kEndMeasure)) - 1);
}

void FCMeasureNumberRegion::SetEndMeasure(short measure)
{
    WriteU16(_Block(), _Pick(wp::kEndMeasure, bp::kEndMeasure), static_cast<unsigned short>(measure + 1));
}

short FCMeasureNumberRegion::GetStartNumber() const
{
    return static_cast<short>(ReadS16(_Block(), _Pick(wp::kStartNumber, bp::kStartNumber)) + 1);
}

void FCMeasureNumberRegion::SetStartNumber(short number)
{
    WriteU16(_Block(), _Pick(wp::kStartNumber, bp::kStartNumber), static_cast<unsigned short>(number - 1));
}

short FCMeasureNumberRegion::GetBase() const
{
    return ReadS16(_Block(), _Pick(wp::kBase, bp::kBase));
}

void FCMeasureNumberRegion::SetBase(short base)
{
    WriteU16(_Block(), _Pick(wp::kBase, bp::kBase), static_cast<unsigned short>(base));
}

short FCMeasureNumberRegion::GetStartChar() const
{
    return ReadS16(_Block(), _Pick(wp::kStartChar, bp::kStartChar));
}

void FCMeasureNumberRegion::SetStartChar(short character)
{
    WriteU16(_Block(), _Pick(wp::kStartChar, bp::kStartChar), static_cast<unsigned short>(character));
}

short FCMeasureNumberRegion::GetID() const
{
    return ReadS16(_Block(), _Pick(wp::kID, bp::kID));
}

void FCMeasureNumberRegion::SetID(short id)
{
    WriteU16(_Block(), _Pick(wp::kID, bp::kID), static_cast<unsigned short>(id));
}

bool FCMeasureNumberRegion::GetCountFromOne() const
{
    return _GetFlag(_MainFlag(mnr::kCountFromOne));
}

void FCMeasureNumberRegion::SetCountFromOne(bool state)
{
    _SetFlag(_MainFlag(mnr::kCountFromOne), state);
}

void FCMeasureNumberRegion::SetNoZero(bool state)
{
    _SetFlag(_MainFlag(mnr::kNoZero), state);
}

bool FCMeasureNumberRegion::GetDoubleUp() const
{
    return _GetFlag(_MainFlag(mnr::kDoubleUp));
}

void FCMeasureNumberRegion::SetDoubleUp(bool state)
{
    _SetFlag(_MainFlag(mnr::kDoubleUp), state);
}

bool FCMeasureNumberRegion::GetUseScoreInfoForParts() const
{
    return !_HasPartsLayout() || _GetFlag(_MainFlag(wp::kUseScoreInfoForParts));
}

void FCMeasureNumberRegion::SetUseScoreInfoForParts(bool state)
{
    if (_HasPartsLayout()) {
        _SetFlag(_MainFlag(wp::kUseScoreInfoForParts), state);
    }
}

void FCMeasureNumberRegion::SetNumberingStyle(NUMBERINGSTYLE style)
{
    if (style != NUMBERING_DIGITS) {
        return;
    }
    SetBase(10);
    SetStartChar('0');
    SetCountFromOne(true);
    SetNoZero(false);
    SetDoubleUp(false);
}

bool FCMeasureNumberRegion::GetShowOnTopStaff(bool parts) const
{
    return _GetFlag(_FormattingFlag(parts, wp::kShowOnTopStaff, bp::kShowOnTopStaff));
}

void FCMeasureNumberRegion::SetShowOnTopStaff(bool value, bool parts)
{
    _SetFlag(_FormattingFlag(parts, wp::kShowOnTopStaff, bp::kShowOnTopStaff), value);
}

bool FCMeasureNumberRegion::GetShowOnBottomStaff(bool parts) const
{
    return _GetFlag(_FormattingFlag(parts, wp::kShowOnBottomStaff, bp::kShowOnBottomStaff));
}

void FCMeasureNumberRegion::SetShowOnSystemStart(bool value, bool parts)
{
    _SetFlag(_FormattingFlag(parts, wp::kShowOnSystemStart, bp::kShowOnSystemStart), value);
}

void FCMeasureNumberRegion::SetHideFirstNumber(bool value, bool parts)
{
    _SetFlag(_FormattingFlag(parts, wp::kHideFirstNumber, bp::kHideFirstNumber), value);
}

bool FCMeasureNumberRegion::GetShowMultiples(bool parts) const
{
    return _GetFlag(_FormattingFlag(parts, wp::kShowMultiples, bp::kShowMultiples));
}

bool FCMeasureNumberRegion::GetShowMultiMeasureRange(bool parts) const
{
    return _GetFlag(_FormattingFlag(parts, wp::kShowMultiMeasureRange, 0));
}

void FCMeasureNumberRegion::_GetFont(int offset, FCFontInfo* font) const
{
    if (font == nullptr || offset < 0) {
        return;
    }
    const unsigned char* bytes = _Block() + offset;
    font->SetNameByID(ReadS16(bytes, font_bytes::kFontNumber));
    font->SetSize(ReadS16(bytes, font_bytes::kFontSize));
    font->SetEffects(ReadU16(bytes, font_bytes::kEffects));
}

void FCMeasureNumberRegion::_SetFont(int offset, const FCFontInfo* font)
{
    if (font == nullptr || offset < 0) {
        return;
    }
    unsigned char* bytes = _Block() + offset;
    WriteU16(bytes, font_bytes::kFontNumber, static_cast<unsigned short>(font->GetNameByID()));
    WriteU16(bytes, font_bytes::kFontSize, static_cast<unsigned short>(font->GetSize()));
    WriteU16(bytes, font_bytes::kEffects, font->GetEffects());
}

void FCMeasureNumberRegion::GetStartFontInfo(FCFontInfo* font, bool parts) const
{
    _GetFont(_Formatting(wp::kStartFont, parts, bp::kStartFont), font);
}

void FCMeasureNumberRegion::SetStartFontInfo(const FCFontInfo* font, bool parts)
{
    _SetFont(_Formatting(wp::kStartFont, parts, bp::kStartFont), font);
}

void FCMeasureNumberRegion::GetMultipleFontInfo(FCFontInfo* font, bool parts) const
{
    _GetFont(_Formatting(wp::kMultipleFont, parts, -1), font);
}

void FCMeasureNumberRegion::SetMultipleFontInfo(const FCFontInfo* font, bool parts)
{
    _SetFont(_Formatting(wp::kMultipleFont, parts, -1), font);
}

void FCMeasureNumberRegion::GetMultiMeasureFontInfo(FCFontInfo* font, bool parts) const
{
    _GetFont(_Formatting(wp::kMultiMeasureFont, parts, -1), font);
}

void FCMeasureNumberRegion::SetMultiMeasureFontInfo(const FCFontInfo* font, bool parts)
{
    _SetFont(_Formatting(wp::kMultiMeasureFont, parts, -1), font);
}

void FCMeasureNumberRegion::SetStartVerticalPosition(short position, bool parts)
{
    WriteU16(_Block(), _Formatting(wp::kStartVertical, parts, bp::kVertical), static_cast<unsigned short>(position));
}

void FCMeasureNumberRegion::SetMultipleVerticalPosition(short position, bool parts)
{
    WriteU16(_Block(), _Formatting(wp::kMultipleVertical, parts, bp::kVertical),
             static_cast<unsigned short>(position));
}

FCEnclosure* FCMeasureNumberRegion::_Enclosure(int index, int offset)
{
    _enclosures[index]._PointAt(_Block() + offset);
    return &_enclosures[index];
}

FCEnclosure* FCMeasureNumberRegion::GetEnclosureStart(bool parts)
{
    return _Enclosure(parts ? 1 : 0, _Formatting(wp::kStartEnclosure, parts, bp::kEnclosure));
}

FCEnclosure* FCMeasureNumberRegion::GetEnclosureMultiple(bool parts)
{
    return _Enclosure(parts ? 3 : 2, _Formatting(wp::kMultipleEnclosure, parts, bp::kEnclosure));
}

void FCMeasureNumberRegion::_GetText(int offset, FCString* text) const
{
    if (text == nullptr) {
        return;
    }
    // A text that fills its field without a NUL ends at the field's end.
    const unsigned char* field = _Block() + offset;
    const void* end = std::memchr(field, 0, mnr::kAffixSize);
    int length = end != nullptr ? static_cast<int>(static_cast<const unsigned char*>(end) - field) : mnr::kAffixSize;
    text->SetCString("");
    for (int i = 0; i < length; ++i) {
        text->Append(static_cast<short>(static_cast<signed char>(field[i])));
    }
}

void FCMeasureNumberRegion::GetPrefix(FCString* text) const
{
    _GetText(_Pick(wp::kPrefix, bp::kPrefix), text);
}

void FCMeasureNumberRegion::GetSuffix(FCString* text) const
{
    _GetText(_Pick(wp::kSuffix, bp::kSuffix), text);
}

void FCMeasureNumberRegion::CloneFormattingFrom(const FCMeasureNumberRegion* other, bool score, bool parts)
{
    if (other == nullptr || !_HasPartsLayout()) {
        return;
    }
    // Through a copy, so that a region may take formatting from itself.
    unsigned char source[wp::kSize];
    std::memcpy(source, other->_withParts, sizeof source);
    if (score) {
        std::memcpy(_withParts + wp::kScoreFormatting, source + wp::kScoreFormatting, wp::kFormattingSize);
    }
    if (parts) {
        int from = other->GetUseScoreInfoForParts() ? wp::kScoreFormatting : wp::kPartsFormatting;
        std::memcpy(_withParts + wp::kPartsFormatting, source + from, wp::kFormattingSize);
    }
}
