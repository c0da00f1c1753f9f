// Loads, saves and searches of the record collections.
#include "framework/data/collection_data.h"

namespace {
// Incis are signed 16-bit; -1 stands for "the host assigns".
constexpr int kLastInci = 0x7FFF;
constexpr unsigned kLastNumber = 0xFFFF;
}  // namespace

bool __FCCollectionData::_AppendClone(__FCBaseData* record)
{
    __FCBaseData* clone = record->CreateClone();
    if (clone == nullptr) {
        return false;
    }
    Add(clone);
    return true;
}

void __FCCollectionData::_AppendWalk(__FCBaseData* cursor)
{
    if (!cursor->LoadFirst()) {
        return;
    }
    while (_AppendClone(cursor) && cursor->LoadNext()) {
    }
}

void __FCCollectionData::LoadAll()
{
    ClearAll();
    if (auto cursor = _CreateTemplate<__FCBaseData>()) {
        _AppendWalk(cursor.get());
    }
}

int __FCCollectionInciOther::_CountIncis(__FCInciOther* cursor, unsigned short comparison)
{
    int count = 0;
    while (count <= kLastInci && cursor->Load(comparison, static_cast<short>(count))) {
        ++count;
    }
    return count;
}

bool __FCCollectionInciOther::_DeleteIncis(__FCInciOther* cursor, unsigned short comparison, int highest,
                                           int lowest)
{
    for (int inci = highest; inci >= lowest; --inci) {
        if (!cursor->Load(comparison, static_cast<short>(inci)) || !cursor->DeleteData()) {
            return false;
        }
    }
    return true;
}

bool __FCCollectionInciOther::DeleteDataForItem(unsigned short comparison)
{
    auto cursor = _CreateTemplate<__FCInciOther>();
    if (!cursor) {
        return false;
    }
    return _DeleteIncis(cursor.get(), comparison, _CountIncis(cursor.get(), comparison) - 1, 0);
}

void __FCCollectionInciOther::LoadAllForItem(unsigned short comparison)
{
    ClearAll();
    auto cursor = _CreateTemplate<__FCInciOther>();
    if (!cursor) {
        return;
    }
    for (int inci = 0; inci <= kLastInci && cursor->Load(comparison, static_cast<short>(inci)); ++inci) {
        if (!_AppendClone(cursor.get())) {
            return;
        }
    }
}

bool __FCCollectionInciOther::SaveAllForItem(unsigned short comparison)
{
    // An element that cannot be saved is found before the host's records go.
    for (int i = 0; i < GetCount(); ++i) {
        __FCBase* element = GetItemAt(i);
        if (element != nullptr && dynamic_cast<__FCInciOther*>(element) == nullptr) {
            return false;
        }
    }
    if (!DeleteDataForItem(comparison)) {
        return false;
    }
    for (int i = 0; i < GetCount(); ++i) {
        auto* record = static_cast<__FCInciOther*>(GetItemAt(i));
        if (record == nullptr) {
            continue;
        }
        record->SetCustomTag(GetCustomTag());
        if (!record->SaveNew(comparison)) {
            return false;
        }
    }
    return true;
}

bool __FCCollectionInciOther::SaveDataAs(unsigned short source, unsigned short target)
{
    auto cursor = _CreateTemplate<__FCInciOther>();
    if (!cursor || !cursor->Load(source, 0)) {
        return false;
    }
    int existing = _CountIncis(cursor.get(), target);
    int copied = 0;
    while (copied <= kLastInci && cursor->Load(source, static_cast<short>(copied))) {
        cursor->_SetKeyNumber(0, target);
        if (!cursor->Save()) {
            return false;
        }
        ++copied;
    }
    return _DeleteIncis(cursor.get(), target, existing - 1, copied);
}

__FCBase* __FCCollectionInciOther::FindItemNo(unsigned short comparison, short inci) const
{
    for (int i = 0; i < GetCount(); ++i) {
        auto* record = dynamic_cast<__FCBaseData*>(GetItemAt(i));
        if (record != nullptr && record->_GetKeyNumber(0) == comparison &&
            record->_GetKeyNumber(1) == static_cast<unsigned short>(inci)) {
            return record;
        }
    }
    return nullptr;
}

__FCBase* __FCCollectionNoInciOther::FindItemNo(unsigned short item) const
{
    for (int i = 0; i < GetCount(); ++i) {
        auto* record = dynamic_cast<__FCNoInciOther*>(GetItemAt(i));
        if (record != nullptr && static_cast<unsigned short>(record->GetItemNo()) == item) {
            return record;
        }
    }
    return nullptr;
}

void __FCCollectionNoInciDetail::LoadAllForItem(unsigned short first, unsigned short start)
{
    ClearAll();
    auto cursor = _CreateTemplate<__FCNoInciDetail>();
    if (!cursor) {
        return;
    }
    for (unsigned second = start; second <= kLastNumber && cursor->Load(first, static_cast<unsigned short>(second));
         ++second) {
        if (!_AppendClone(cursor.get())) {
            return;
        }
    }
}

void __FCCollectionCellDetail::LoadAllForCell(FCCell* cell)
{
    ClearAll();
    if (auto cursor = _CreateTemplate<__FCCellDetail>()) {
        cursor->ConnectCell(cell);
        _AppendWalk(cursor.get());
    }
}
