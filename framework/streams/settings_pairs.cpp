// The list of settings pairs.
#include "framework/streams/settings_pairs.h"

void FCSettingsPairs::AddPair(const char* key, const char* value)
{
    Add(new FCSettingsPair(key, value));
}

FCSettingsPair* FCSettingsPairs::GetItemAt(int index) const
{
    return static_cast<FCSettingsPair*>(__FCCollection::GetItemAt(index));
}
