// FCStaves: the staff records of the document, by item number.
#pragma once

#include "framework/data/collection_data.h"
#include "framework/data/staff.h"

class FCStaves : public __FCCollectionNoInciOther {
public:
    const char* ClassName() const override { return "FCStaves"; }
    __FCBaseData* CreateElement() override { return new FCStaff; }
    FCStaff* GetItemAt(int index) const { return static_cast<FCStaff*>(__FCCollection::GetItemAt(index)); }
};
