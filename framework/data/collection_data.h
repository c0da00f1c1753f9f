// Collections of host records, filled by walking a record family with one
// template record: __FCCollectionData, __FCCollectionInciOther,
// __FCCollectionNoInciOther, __FCCollectionDetail,
// __FCCollectionNoInciDetail, __FCCollectionCellDetail.
#pragma once

#include <memory>

#include "framework/data/collection.h"
#include "framework/data/record_families.h"

class FCCell;
class FCMusicRegion;

class __FCCollectionData : public __FCCollection {
public:
    const char* ClassName() const override { return "__FCCollectionData"; }
    // A new, empty record of the element class; the caller owns it.
    virtual __FCBaseData* CreateElement() = 0;
    // Every record of the kind, in the host's order.
    virtual void LoadAll();

    // Handed to every record the collection makes.
    void SetCustomTag(unsigned long tag) { _customtag = tag; }
    unsigned long GetCustomTag() const { return _customtag; }

protected:
    // The cursor of a load: a new element with the collection's custom tag;
    // null when the element class is not of the family the load walks.
    template <typename Record>
    std::unique_ptr<Record> _CreateTemplate()
    {
        std::unique_ptr<Record> record = TakeRecordAs<Record>(CreateElement());
        if (record != nullptr) {
            record->SetCustomTag(_customtag);
        }
        return record;
    }
    // False when the record cannot be cloned, which ends a load.
    bool _AppendClone(__FCBaseData* record);
    // From the cursor's LoadFirst on through its LoadNext.
    void _AppendWalk(__FCBaseData* cursor);

private:
    unsigned long _customtag = 0;
};

// Elements numbered by comparison number and inci (__FCInciOther).
class __FCCollectionInciOther : public __FCCollectionData {
public:
    const char* ClassName() const override { return "__FCCollectionInciOther"; }
    // Deletes the number's records from the highest inci down to 0.
    virtual bool DeleteDataForItem(unsigned short comparison);
    // Incis 0, 1, 2, ... up to the first that does not load.
    virtual void LoadAllForItem(unsigned short comparison);
    // The host's records of the number become the elements, in order.
    virtual bool SaveAllForItem(unsigned short comparison);

    // The source number's records are copied onto the target number, whose
    // surplus records are deleted.
    bool SaveDataAs(unsigned short source, unsigned short target);
    // The element stays the collection's.
    __FCBase* FindItemNo(unsigned short comparison, short inci) const;

private:
    static int _CountIncis(__FCInciOther* cursor, unsigned short comparison);
    static bool _DeleteIncis(__FCInciOther* cursor, unsigned short comparison, int highest, int lowest);
};

// Elements numbered by an item number (__FCNoInciOther).
class __FCCollectionNoInciOther : public __FCCollectionData {
public:
    const char* ClassName() const override { return "__FCCollectionNoInciOther"; }
    // The element stays the collection's.
    __FCBase* FindItemNo(unsigned short item) const;
};

class __FCCollectionDetail : public __FCCollectionData {
public:
    const char* ClassName() const override { return "__FCCollectionDetail"; }
};

// Elements numbered by two comparison numbers (__FCNoInciDetail).
class __FCCollectionNoInciDetail : public __FCCollectionDetail {
public:
    const char* ClassName() const override { return "__FCCollectionNoInciDetail"; }
    // The second number counts up from `start` to the first that does not load.
    virtual void LoadAllForItem(unsigned short first, unsigned short start);
};

// Elements that belong to cells (__FCCellDetail).
class __FCCollectionCellDetail : public __FCCollectionDetail {
public:
    const char* ClassName() const override { return "__FCCollectionCellDetail"; }
    // The records of every cell of the document, measure by measure and
    // staff by staff (region_loading.cpp).
    void LoadAll() override;
    // The cell's records, inci by inci; the cell stays the caller's.
    virtual void LoadAllForCell(FCCell* cell);
    // The records of every cell of the region, in the same order as LoadAll.
    void LoadAllInRegion(FCMusicRegion* region);
};
