// What a cell holds in the score: the key signature in effect there and the
// duration of its music. Members of FCCell (framework/data/cell.h) that need
// the score's record classes.
#include "framework/data/cell.h"
#include "framework/data/staff.h"
#include "framework/score/independent_cell_detail.h"
#include "framework/score/key_signature.h"
#include "framework/score/measure.h"
#include "host/service_wrappers.h"

namespace {
constexpr unsigned short kGlobalInstrumentList = 0;
constexpr short kEntriesOfCell = 1;  // what FX_LoadTGF is asked for
}  // namespace

FCKeySignature* FCCell::GetKeySignature()
{
    if (!_pKeySig) {
        _pKeySig = std::make_unique<FCKeySignature>();
    }
    auto* key = static_cast<FCKeySignature*>(_pKeySig.get());
    FCCurrentStaffSpec spec;
    if (spec.Load(this, 0) && spec.GetIndependentKeys()) {
        FCIndependentCellDetail detail;
        detail.ConnectCell(this);
        if (detail.LoadFirst() && detail.GetHasKeySignature()) {
            key->SetKeyID(detail.GetKeySignatureID());
            return key;
        }
    }
    // Without a measure record the key stays as it was.
    FCMeasure measure;
    if (measure.Load(static_cast<unsigned short>(_measure))) {
        key->SetKeyID(measure.GetKeySignature()->GetKeyID());
    }
    return key;
}

long FCCell::CalcEntryDuration(int layer)
{
    const int layers = FX_GetMaxLayers(kFinaleInterfaceVersion);
    const short slot =
        static_cast<short>(FX_InstToSlot(static_cast<short>(_staff), kGlobalInstrumentList, kFinaleInterfaceVersion));
    long longest = 0;
    for (int i = 0; i < layers; ++i) {
        const bool taken = layer == -1 || layer == i + 1 ||
                           (layer == 0 && FX_GetShowLayer(static_cast<short>(i), kFinaleInterfaceVersion) != 0);
        if (!taken) {
            continue;
        }
        void* frame = FX_LoadTGF(kGlobalInstrumentList, slot, static_cast<short>(_measure), static_cast<short>(i),
                                 kEntriesOfCell, kFinaleInterfaceVersion);
        if (frame == nullptr) {
            continue;
        }
        const long duration = FX_GetTGFDuration(frame, kFinaleInterfaceVersion);
        FX_FreeTGF(frame, kFinaleInterfaceVersion);
        if (duration > longest) {
            longest = duration;
        }
    }
    return longest;
}
