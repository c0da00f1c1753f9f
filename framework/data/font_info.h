// FCFontInfo: a font as the host's text tags describe it, by name, size and
// effect bits.
#pragma once

#include "framework/data/base.h"

class FCString;

class FCFontInfo : public __FCBase {
public:
    // "Times New Roman", size 12, no effects.
    FCFontInfo();

    // Attributes. A name longer than the field's 255 characters is cut there.
    void GetName(FCString* name) const;
    const char* GetNameCString() const { return _name; }
    void SetName(const char* name);
    short GetSize() const { return _size; }
    void SetSize(short size) { _size = size; }
    unsigned short GetEffects() const { return _effects; }
    void SetEffects(unsigned short effects) { _effects = effects; }

    // The host's font numbers.
    short GetNameByID() const;
    // A number the host cannot name gives "Times New Roman".
    void SetNameByID(short number);

    // The tags that select this font in a host text.
    void MakeEnigmaString(FCString* text) const;
    void MakeEnigmaStyleString(FCString* text) const;
    // Compares the name, the size and the effect bits the host draws.
    bool IsIdenticalTo(const FCFontInfo* other) const;

private:
    char _name[256];
    short _size;
    unsigned short _effects;
};
