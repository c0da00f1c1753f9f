// Key filling, walks and creation of the record families.
#include "framework/data/record_families.h"

#include "framework/data/cell.h"

namespace {
// The key number the host replaces with one it assigns.
constexpr unsigned kAssignedByHost = 0xFFFF;
}  // namespace

bool __FCInciOther::Load(unsigned short comparison, short inci)
{
    _SetKeyNumber(0, comparison);
    _SetKeyNumber(1, static_cast<unsigned short>(inci));
    return LoadDataBlock();
}

bool __FCInciOther::SaveNew(unsigned short comparison)
{
    if (GetDataSize() <= 0) {
        return false;
    }
    _SetKeyNumber(0, comparison);
    _SetKeyNumber(1, kAssignedByHost);
    return _CreateDataBlock();
}

bool __FCNoInciOther::Load(unsigned short item)
{
    _SetKeyNumber(0, item);
    _SetKeyNumber(1, 0);
    return LoadDataBlock();
}

bool __FCNoInciOther::SaveAs(unsigned short item)
{
    _SetKeyNumber(0, item);
    _SetKeyNumber(1, 0);
    return Save();
}

bool __FCNoInciOther::SaveNew()
{
    if (GetDataSize() <= 0) {
        return false;
    }
    _SetKeyNumber(0, kAssignedByHost);
    _SetKeyNumber(1, kAssignedByHost);
    return _CreateDataBlock();
}

short __FCNoInciOther::GetItemNo()
{
    return static_cast<short>(_GetKeyNumber(0));
}

bool __FCNoInciDetail::Load(unsigned short first, unsigned short second)
{
    _SetKeyNumber(0, first);
    _SetKeyNumber(1, second);
    _SetKeyNumber(2, 0);
    return LoadDataBlock();
}

bool __FCNoInciDetail::SaveNew(unsigned short first)
{
    if (GetDataSize() <= 0) {
        return false;
    }
    _SetKeyNumber(0, first);
    _SetKeyNumber(1, kAssignedByHost);
    _SetKeyNumber(2, 0);
    return _CreateDataBlock();
}

bool __FCCellDetail::_SetCellKey(unsigned inci)
{
    if (_pConnectedCell == nullptr) {
        return false;
    }
    _SetKeyNumber(0, static_cast<unsigned>(_pConnectedCell->GetStaff()));
    _SetKeyNumber(1, static_cast<unsigned>(_pConnectedCell->GetMeasure()));
    _SetKeyNumber(2, inci);
    return true;
}

bool __FCCellDetail::LoadFirst()
{
    return _SetCellKey(0) && LoadDataBlock();
}

bool __FCCellDetail::LoadNext()
{
    unsigned short inci = _GetKeyNumber(2);
    _SetKeyNumber(2, inci + 1u);
    if (LoadDataBlock()) {
        return true;
    }
    _SetKeyNumber(2, inci);
    return false;
}

bool __FCCellDetail::SaveNew()
{
    return _SetCellKey(kAssignedByHost) && _CreateDataBlock();
}

bool __FCInci::Load(unsigned short comparison, short inci)
{
    _SetKeyNumber(0, comparison);
    _SetKeyNumber(1, static_cast<unsigned short>(inci));
    return LoadDataBlock();
}

bool __FCGlobals::Load(short number)
{
    _SetKeyNumber(0, static_cast<unsigned short>(number));
    return LoadDataBlock();
}
