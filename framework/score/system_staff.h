// FCSystemStaff, one entry of a staff order list, and FCSystemStaves, a whole
// list: loaded for list 0, the score's staff order from top to bottom.
#pragma once

#include "framework/data/collection_data.h"
#include "framework/data/fixed_size_record.h"
#include "framework/data/record_families.h"
#include "framework/score/group_layout.h"

class FCSystemStaff : public FixedSizeRecord<FCSystemStaff, __FCInciOther, system_staff_record::kSize> {
public:
    const char* ClassName() const override { return "FCSystemStaff"; }
    unsigned long Tag() override { return system_staff_record::kTag; }

    short GetStaff() const;
    void SetStaff(short staff);
};

class FCSystemStaves : public __FCCollectionInciOther {
public:
    const char* ClassName() const override { return "FCSystemStaves"; }
    __FCBaseData* CreateElement() override { return new FCSystemStaff; }
    FCSystemStaff* GetItemAt(int index) const
    {
        return static_cast<FCSystemStaff*>(__FCCollection::GetItemAt(index));
    }
};
