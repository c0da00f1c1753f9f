// FCSettingsPairs: an owning list of key and value strings that a text stream
// writes as "key=value" lines, and FCSettingsPair, one of its elements.
#pragma once

#include "framework/data/collection.h"
#include "framework/data/string.h"

class FCSettingsPair : public __FCBase {
public:
    FCSettingsPair(const char* key, const char* value) : _key(key), _value(value) {}
    FCString* GetKey() { return &_key; }
    FCString* GetValue() { return &_value; }

private:
    FCString _key;
    FCString _value;
};

class FCSettingsPairs : public __FCCollection {
public:
    const char* ClassName() const override { return "FCSettingsPairs"; }
    // The list owns the new pair.
    void AddPair(const char* key, const char* value);
    // Null when the index is out of range.
    FCSettingsPair* GetItemAt(int index) const;
};
