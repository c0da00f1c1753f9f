// FCMeasure: the host's record of one measure, numbered by the measure
// number, with its key and time signatures as objects of their own.
#pragma once

#include <memory>

#include "framework/data/fixed_size_record.h"
#include "framework/data/record_families.h"
#include "framework/score/key_signature.h"
#include "framework/score/measure_layout.h"
#include "framework/score/time_signature.h"

class FCMeasure : public FixedSizeRecord<FCMeasure, __FCNoInciOther, measure_record::kSize> {
public:
    // The codes and bits are the host's; what each state, mode and style
    // looks like is up to the host too.
    enum SHOW_STATES : int { SHOWSTATE_IFNEEDED = 0, SHOWSTATE_ALWAYS = 1, SHOWSTATE_NEVER = 2 };
    enum POSITIONING_MODES : int { POSITIONING_MANUAL = 0, POSITIONING_TIMESIG = 1, POSITIONING_BEATCHART = 2 };
    // GetLeftBarline answers BARLINE_UNKNOWN for a stored code beyond the styles.
    enum BARLINE_STYLES : int {
        BARLINE_DEFAULT = 0,
        BARLINE_NONE = 1,
        BARLINE_NORMAL = 2,
        BARLINE_DOUBLE = 3,
        BARLINE_FINAL = 4,
        BARLINE_DASHED = 5,
        BARLINE_THICK = 6,
        BARLINE_UNKNOWN = 8
    };

    const char* ClassName() const override { return "FCMeasure"; }
    unsigned long Tag() override { return measure_record::kTag; }
    // A load refreshes the key and time signatures already handed out.
    bool Load(unsigned short item) override;
    bool LoadNext() override;
    void CloneMemoryFrom(const __FCBaseData* other) override;
    // Folds the key and time signatures into the record first; those never
    // asked for leave their bytes as loaded.
    bool Save() override;

    // Made from the record on first use; the measure owns them.
    FCKeySignature* GetKeySignature();
    FCTimeSignature* GetTimeSignature();
    // The second time signature, the one shown.
    FCTimeSignature* GetTimeSignatureForDisplay();

    SHOW_STATES GetShowKeySignature() const;
    void SetShowKeySignature(SHOW_STATES state);
    SHOW_STATES GetShowTimeSignature() const;
    void SetShowTimeSignature(SHOW_STATES state);
    // Only hosts from version 0x10000000 on keep this flag.
    bool GetShowFullNames() const;
    void SetShowFullNames(bool show);
    POSITIONING_MODES GetPositioningNotesMode() const;
    void SetPositioningNotesMode(POSITIONING_MODES mode);
    // The right barline; BARLINE_DEFAULT for a stored code beyond the styles.
    BARLINE_STYLES GetBarline() const;
    void SetBarline(BARLINE_STYLES style);
    BARLINE_STYLES GetLeftBarline() const;
    void SetLeftBarline(BARLINE_STYLES style);

private:
    // The owned objects take the record's values.
    void _RefreshSignatures();
    void _ReadTime(FCTimeSignature* time, int beatsOffset);
    void _WriteTime(const FCTimeSignature* time, int beatsOffset);
    unsigned _ReadWord(int offset) const;
    void _WriteWord(int offset, unsigned value);
    SHOW_STATES _GetShowState(unsigned bit2, unsigned bit1) const;
    void _SetShowState(SHOW_STATES state, unsigned bit2, unsigned bit1);
    void _SetBarlineBits(int offset, BARLINE_STYLES style);

    std::unique_ptr<FCKeySignature> _pKeySig;
    std::unique_ptr<FCTimeSignature> _pTimeSig;
    std::unique_ptr<FCTimeSignature> _pTimeSigDisplay;
};
