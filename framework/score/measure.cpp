// The measure record: its owned signatures, folded in on save, and the flags
// of its three flag words.
#include "framework/score/measure.h"

#include "host/finale_version.h"
#include "host/record_bytes.h"

using namespace measure_record;

namespace {
// The running host version from which the full names flag exists.
constexpr unsigned long kFullNamesVersion = 0x10000000;
constexpr int kBarlineStyles = 7;  // 0 to 6
}  // namespace

bool FCMeasure::Load(unsigned short item)
{
    if (!__FCNoInciOther::Load(item)) {
        return false;
    }
    _RefreshSignatures();
    return true;
}

bool FCMeasure::LoadNext()
{
    if (!__FCNoInciOther::LoadNext()) {
        return false;
    }
    _RefreshSignatures();
    return true;
}

void FCMeasure::CloneMemoryFrom(const __FCBaseData* other)
{
    FixedSizeRecord::CloneMemoryFrom(other);
    _RefreshSignatures();
}

bool FCMeasure::Save()
{
    if (_pKeySig) {
        _WriteWord(kKey, _pKeySig->GetKeyID());
    }
    _WriteTime(_pTimeSig.get(), kBeats);
    _WriteTime(_pTimeSigDisplay.get(), kDisplayBeats);
    return __FCNoInciOther::Save();
}

FCKeySignature* FCMeasure::GetKeySignature()
{
    if (!_pKeySig) {
        _pKeySig = std::make_unique<FCKeySignature>();
        _pKeySig->SetKeyID(static_cast<unsigned short>(_ReadWord(kKey)));
    }
    return _pKeySig.get();
}

FCTimeSignature* FCMeasure::GetTimeSignature()
{
    if (!_pTimeSig) {
        _pTimeSig = std::make_unique<FCTimeSignature>();
        _ReadTime(_pTimeSig.get(), kBeats);
    }
    return _pTimeSig.get();
}

FCTimeSignature* FCMeasure::GetTimeSignatureForDisplay()
{
    if (!_pTimeSigDisplay) {
        _pTimeSigDisplay = std::make_unique<FCTimeSignature>();
        _ReadTime(_pTimeSigDisplay.get(), kDisplayBeats);
    }
    return _pTimeSigDisplay.get();
}

void FCMeasure::_RefreshSignatures()
{
    if (_pKeySig) {
        _pKeySig->SetKeyID(static_cast<unsigned short>(_ReadWord(kKey)));
    }
    if (_pTimeSig) {
        _ReadTime(_pTimeSig.get(), kBeats);
    }
    if (_pTimeSigDisplay) {
        _ReadTime(_pTimeSigDisplay.get(), kDisplayBeats);
    }
}

// The beat duration follows the beat count.
void FCMeasure::_ReadTime(FCTimeSignature* time, int beatsOffset)
{
    time->SetBeats(static_cast<short>(_ReadWord(beatsOffset)));
    time->SetBeatDuration(static_cast<short>(_ReadWord(beatsOffset + 2)));
    time->SetCompositeTop(false);
    time->SetCompositeBottom(false);
}

void FCMeasure::_WriteTime(const FCTimeSignature* time, int beatsOffset)
{
    if (time == nullptr) {
        return;
    }
    if (!time->GetCompositeTop()) {
        _WriteWord(beatsOffset, static_cast<unsigned>(time->GetBeats()));
    }
    if (!time->GetCompositeBottom()) {
        _WriteWord(beatsOffset + 2, static_cast<unsigned>(time->GetBeatDuration()));
    }
}

unsigned FCMeasure::_ReadWord(int offset) const
{
    return ReadU16(_GetBlock(), offset);
}

void FCMeasure::_WriteWord(int offset, unsigned value)
{
    WriteU16(_GetBlock(), offset, value);
}

// State 2 is a bit of the first flag word, state 1 one of the second.
FCMeasure::SHOW_STATES FCMeasure::_GetShowState(unsigned bit2, unsigned bit1) const
{
    if (_ReadWord(kFlags) & bit2) {
        return SHOWSTATE_NEVER;
    }
    return (_ReadWord(kBarlineFlags) & bit1) ? SHOWSTATE_ALWAYS : SHOWSTATE_IFNEEDED;
}

void FCMeasure::_SetShowState(SHOW_STATES state, unsigned bit2, unsigned bit1)
{
    if (state != SHOWSTATE_IFNEEDED && state != SHOWSTATE_ALWAYS && state != SHOWSTATE_NEVER) {
        return;
    }
    const unsigned flags = _ReadWord(kFlags) & ~bit2;
    const unsigned barlineFlags = _ReadWord(kBarlineFlags) & ~bit1;
    _WriteWord(kFlags, state == SHOWSTATE_NEVER ? flags | bit2 : flags);
    _WriteWord(kBarlineFlags, state == SHOWSTATE_ALWAYS ? barlineFlags | bit1 : barlineFlags);
}

FCMeasure::SHOW_STATES FCMeasure::GetShowKeySignature() const
{
    return _GetShowState(kKeyShowState2, kKeyShowState1);
}

void FCMeasure::SetShowKeySignature(SHOW_STATES state)
{
    _SetShowState(state, kKeyShowState2, kKeyShowState1);
}

FCMeasure::SHOW_STATES FCMeasure::GetShowTimeSignature() const
{
    return _GetShowState(kTimeShowState2, kTimeShowState1);
}

void FCMeasure::SetShowTimeSignature(SHOW_STATES state)
{
    _SetShowState(state, kTimeShowState2, kTimeShowState1);
}

bool FCMeasure::GetShowFullNames() const
{
    return GetFinaleFrameworkVersion() >= kFullNamesVersion && (_ReadWord(kFlags) & kFullNames) != 0;
}

void FCMeasure::SetShowFullNames(bool show)
{
    if (GetFinaleFrameworkVersion() < kFullNamesVersion) {
        return;
    }
    const unsigned flags = _ReadWord(kFlags) & ~kFullNames;
    _WriteWord(kFlags, show ? flags | kFullNames : flags);
}

FCMeasure::POSITIONING_MODES FCMeasure::GetPositioningNotesMode() const
{
    const unsigned code = _ReadWord(kFlags) & kPositioningBits;
    if (code == kPositioningCodes[POSITIONING_MANUAL]) {
        return POSITIONING_MANUAL;
    }
    return code == kPositioningCodes[POSITIONING_TIMESIG] ? POSITIONING_TIMESIG : POSITIONING_BEATCHART;
}

void FCMeasure::SetPositioningNotesMode(POSITIONING_MODES mode)
{
    if (mode != POSITIONING_MANUAL && mode != POSITIONING_TIMESIG && mode != POSITIONING_BEATCHART) {
        return;
    }
    _WriteWord(kFlags, (_ReadWord(kFlags) & ~kPositioningBits) | kPositioningCodes[mode]);
}

FCMeasure::BARLINE_STYLES FCMeasure::GetBarline() const
{
    const int code = static_cast<int>((_ReadWord(kBarlineFlags) & kBarlineBits) >> kBarlineShift);
    return code < kBarlineStyles ? static_cast<BARLINE_STYLES>(code) : BARLINE_DEFAULT;
}

void FCMeasure::SetBarline(BARLINE_STYLES style)
{
    _SetBarlineBits(kBarlineFlags, style);
}

FCMeasure::BARLINE_STYLES FCMeasure::GetLeftBarline() const
{
    const int code = static_cast<int>((_ReadWord(kLeftBarlineFlags) & kBarlineBits) >> kBarlineShift);
    return code < kBarlineStyles ? static_cast<BARLINE_STYLES>(code) : BARLINE_UNKNOWN;
}

void FCMeasure::SetLeftBarline(BARLINE_STYLES style)
{
    _SetBarlineBits(kLeftBarlineFlags, style);
}

void FCMeasure::_SetBarlineBits(int offset, BARLINE_STYLES style)
{
    if (style < 0 || style >= kBarlineStyles) {
        return;
    }
    _WriteWord(offset, (_ReadWord(offset) & ~kBarlineBits) | (static_cast<unsigned>(style) << kBarlineShift));
}
