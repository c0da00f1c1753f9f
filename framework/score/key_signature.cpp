// The key signature's calculations and name.
#include "framework/score/key_signature.h"

#include "framework/data/string.h"

namespace {
constexpr int kLetters = 7;
// Roots by accidentals: sharps count up from index 0, flats down from 7.
constexpr int kMajorRoots[] = {2, 6, 3, 0, 4, 1, 5, 2};  // C G D A E B F C
constexpr int kMinorRoots[] = {0, 4, 1, 5, 2, 6, 3, 0};  // A E B F C G D A

// The class the identity test compares: -1 beyond every mode the host names.
int ModeClass(unsigned short keyword)
{
    return keyword >= 0x4000 ? -1 : keyword >> 8;
}

// The count a key needs to alter the letter, from the position of the letter
// in the order of accidentals (m = 0 read as 7).
bool Reaches(int count, int position)
{
    return count >= (position == 0 ? kLetters : position);
}
}  // namespace

void* FCKeySignature::Allocate()
{
    _SetBufferSize(sizeof _keyword);
    return &_keyword;
}

void FCKeySignature::CloneMemoryFrom(const __FCBaseData* other)
{
    auto* key = dynamic_cast<const FCKeySignature*>(other);
    if (key == nullptr || key == this) {
        return;
    }
    _keyword = key->_keyword;
    _SetBuffer(Allocate());
    _SetDataSize(DataSizeLoad());
}

bool FCKeySignature::IsIdentical(const __FCBase* other) const
{
    auto* key = dynamic_cast<const FCKeySignature*>(other);
    if (key == nullptr) {
        return false;
    }
    const int mine = ModeClass(_keyword);
    const int theirs = ModeClass(key->_keyword);
    if ((mine == 1) != (theirs == 1) || (mine == 0) != (theirs == 0)) {
        return false;
    }
    // Every calculation gives -1 for both, which would make all such keys one.
    if (!_IsStandard()) {
        return _keyword == key->_keyword;
    }
    return CalcScaleRootIndex() == key->CalcScaleRootIndex() && CalcFlats() == key->CalcFlats() &&
           CalcSharps() == key->CalcSharps();
}

int FCKeySignature::CalcSharps() const
{
    if (!_IsStandard()) {
        return -1;
    }
    return _Accidentals() > 0 ? _Accidentals() : 0;
}

int FCKeySignature::CalcFlats() const
{
    if (!_IsStandard()) {
        return -1;
    }
    return _Accidentals() < 0 ? -_Accidentals() : 0;
}

int FCKeySignature::CalcScaleRootIndex() const
{
    if (!_IsStandard()) {
        return -1;
    }
    const int flats = CalcFlats();
    const int index = flats != 0 ? kLetters - flats % kLetters : CalcSharps() % kLetters;
    return _IsMinor() ? kMinorRoots[index] : kMajorRoots[index];
}

int FCKeySignature::CalcRootRelationIndex() const
{
    if (!_IsStandard()) {
        return -1;
    }
    if (CalcSharps() > 0) {
        return 4 * CalcSharps() % kLetters;
    }
    if (CalcFlats() > 0) {
        return kLetters - 4 * CalcFlats() % kLetters;
    }
    return 0;
}

int FCKeySignature::CalcRootRelationAbsoluteIndex() const
{
    int relation = CalcRootRelationIndex();
    if (relation < 0 || !_IsMinor()) {
        return relation;
    }
    relation -= 2;
    return relation < 0 ? relation + kLetters : relation;
}

bool FCKeySignature::IsSharpNote(int letter) const
{
    if (letter < 0 || letter >= kLetters || CalcSharps() <= 0) {
        return false;
    }
    return Reaches(CalcSharps(), (2 * letter + 5) % kLetters);
}

bool FCKeySignature::IsFlatNote(int letter) const
{
    if (letter < 0 || letter >= kLetters || CalcFlats() <= 0) {
        return false;
    }
    return Reaches(CalcFlats(), (17 - 2 * letter) % kLetters);
}

void FCKeySignature::MakeString(FCString* text) const
{
    if (text == nullptr) {
        return;
    }
    text->SetCString("");
    const int root = CalcScaleRootIndex();
    if (root < 0) {
        return;
    }
    text->Append(static_cast<short>((_IsMinor() ? 'a' : 'A') + root));
    if (IsSharpNote(root)) {
        text->Append(" sharp");
    }
    if (IsFlatNote(root)) {
        text->Append(" flat");
    }
    text->Append(_IsMinor() ? " minor" : " major");
}
