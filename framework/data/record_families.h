// The record families: how each kind of host record is numbered in its key.
// __FCOther, __FCInciOther, __FCNoInciOther, __FCDetail, __FCNoInciDetail,
// __FCCellDetail, __FCNoInciCellDetail, __FCInci, __FCGlobals.
#pragma once

#include "framework/data/base_data.h"

class FCCell;

class __FCOther : public __FCBaseData {
public:
    const char* ClassName() const override { return "__FCOther"; }
};

// Numbered by a comparison number (key offset 0) and an inci (offset 2).
class __FCInciOther : public __FCOther {
public:
    // There is no first key to start from.
    bool LoadFirst() override { return false; }
    virtual bool Load(unsigned short comparison, short inci);
    // The host chooses the inci and writes it into the key.
    virtual bool SaveNew(unsigned short comparison);
};

// Numbered by one item number (key offset 0; offset 2 is 0).
class __FCNoInciOther : public __FCOther {
public:
    const char* ClassName() const override { return "__FCNoInciOther"; }
    // Item numbers start at 1.
    bool LoadFirst() override { return Load(1); }
    virtual bool Load(unsigned short item);
    virtual bool SaveAs(unsigned short item);
    // Records that own dependent host records save those as well.
    virtual bool DeepSaveAs(unsigned short item) { return SaveAs(item); }
    // The host chooses the item number and writes it into the key.
    virtual bool SaveNew();
    virtual short GetItemNo();
};

class __FCDetail : public __FCBaseData {};

// Numbered by two comparison numbers (key offsets 0 and 2; offset 4 is 0).
class __FCNoInciDetail : public __FCDetail {
public:
    bool LoadFirst() override { return false; }
    bool Load(unsigned short first, unsigned short second);
    // The host chooses the second number.
    bool SaveNew(unsigned short first);
};

// Several records per cell: staff, measure and inci at key offsets 0, 2, 4.
class __FCCellDetail : public __FCBaseData {
public:
    const char* ClassName() const override { return "__FCCellDetail"; }
    bool LoadFirst() override;
    // The next inci of the same cell, not the host's next record.
    bool LoadNext() override;
    // The host chooses the inci; an empty record is created too.
    virtual bool SaveNew();

    // The cell stays the owner's and must outlive the loads and saves.
    void ConnectCell(FCCell* cell) { _pConnectedCell = cell; }
    FCCell* GetConnectedCell() const { return _pConnectedCell; }

private:
    // False when no cell is connected.
    bool _SetCellKey(unsigned inci);

    FCCell* _pConnectedCell = nullptr;
};

// One record per cell, created by the host only.
class __FCNoInciCellDetail : public __FCCellDetail {
public:
    const char* ClassName() const override { return "__FCNoInciCellDetail"; }
    bool LoadNext() override { return false; }
    bool SaveNew() override { return false; }
};

// Numbered by a comparison number and an inci.
class __FCInci : public __FCBaseData {
public:
    bool Load(unsigned short comparison, short inci);
};

// Numbered by one signed record number.
class __FCGlobals : public __FCBaseData {
public:
    bool Load(short number);
};
