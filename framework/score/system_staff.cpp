// The staff number of a staff order entry.
#include "framework/score/system_staff.h"

#include "host/record_bytes.h"

short FCSystemStaff::GetStaff() const
{
    return ReadS16(_GetBlock(), system_staff_record::kStaff);
}

void FCSystemStaff::SetStaff(short staff)
{
    WriteU16(_GetBlock(), system_staff_record::kStaff, static_cast<unsigned short>(staff));
}
