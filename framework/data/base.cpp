// Flag helpers of the root class.
#include "framework/data/base.h"

void __FCBase::Set16BitFlag(unsigned short* flags, unsigned short mask, bool state)
{
    *flags = state ? static_cast<unsigned short>(*flags | mask) : static_cast<unsigned short>(*flags & ~mask);
}

void __FCBase::Set32BitFlag(unsigned long* flags, unsigned long mask, bool state)
{
    *flags = state ? (*flags | mask) : (*flags & ~mask);
}
