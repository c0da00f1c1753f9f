// FCKeySignature: a key as the host's key word describes it, with the music
// theory that turns the word into accidentals, a root and a name.
#pragma once

#include "framework/data/base_data.h"

class FCString;

// Words below 512 are standard keys: the high byte is the mode (0 major,
// 1 minor), the low byte, signed, counts sharps (positive) or flats
// (negative). Words of 512 or more are keys the host defines itself; the
// calculations answer -1 for them. Letters are numbered A = 0 to G = 6.
class FCKeySignature : public __FCBaseData {
public:
    const char* ClassName() const override { return "FCKeySignature"; }
    // A value object, not a host record of its own.
    unsigned long Tag() override { return 0; }
    bool LoadFirst() override { return false; }
    int DataSizeLoad() override { return 2; }
    // The key word is the buffer.
    void* Allocate() override;
    __FCBaseData* CreateObject() override { return new FCKeySignature; }
    void CloneMemoryFrom(const __FCBaseData* other) override;
    // The same mode class, root and accidentals. Two keys of the host's own
    // are the same only when their words are.
    bool IsIdentical(const __FCBase* other) const override;

    unsigned short GetKeyID() const { return _keyword; }
    void SetKeyID(unsigned short keyword) { _keyword = keyword; }

    int CalcSharps() const;
    int CalcFlats() const;
    int CalcScaleRootIndex() const;
    // The major key's root above C in letter steps (C = 0 ... B = 6; seven
    // flats give 7), and the same for the key's own root, minor included.
    int CalcRootRelationIndex() const;
    int CalcRootRelationAbsoluteIndex() const;
    bool IsSharpNote(int letter) const;
    bool IsFlatNote(int letter) const;
    // "F sharp major", "c minor"; empty for a key of the host's own.
    void MakeString(FCString* text) const;

private:
    bool _IsStandard() const { return _keyword < 512; }
    bool _IsMinor() const { return (_keyword >> 8) == 1; }
    // The low byte as a signed number.
    int _Accidentals() const { return static_cast<signed char>(_keyword & 0xFF); }

    unsigned short _keyword = 0;
};
