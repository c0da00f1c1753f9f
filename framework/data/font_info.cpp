// FCFontInfo: its name field, the host's font numbers and the font tags.
#include "framework/data/font_info.h"

#include <cstring>

#include "framework/data/string.h"
#include "host/service_wrappers.h"

namespace {

constexpr char kDefaultFontName[] = "Times New Roman";

// Effect bits that change how the host draws the text; the others (0x08,
// 0x10 and those above 0x80) do not make two fonts differ.
constexpr unsigned short kComparedEffects = 0x01 | 0x02 | 0x04 | 0x20 | 0x40 | 0x80;

}  // namespace

FCFontInfo::FCFontInfo() : _name(), _size(12), _effects(0)
{
    SetName(kDefaultFontName);
}

void FCFontInfo::GetName(FCString* name) const
{
    if (name != nullptr) {
        name->SetCString(_name);
    }
}

void FCFontInfo::SetName(const char* name)
{
    if (name == nullptr) {
        name = "";
    }
    std::strncpy(_name, name, sizeof _name - 1);
    _name[sizeof _name - 1] = '\0';
}

short FCFontInfo::GetNameByID() const
{
    return static_cast<short>(FX_FontNameToNum(_name, kFinaleInterfaceVersion));
}

void FCFontInfo::SetNameByID(short number)
{
    char answer[sizeof _name] = {};
    if (FX_FontNumToName(number, answer, kFinaleInterfaceVersion) == 0) {
        SetName(kDefaultFontName);
        return;
    }
    // The host may fill the whole buffer without a terminator.
    answer[sizeof answer - 1] = '\0';
    SetName(answer);
}

void FCFontInfo::MakeEnigmaString(FCString* text) const
{
    if (text == nullptr) {
        return;
    }
    text->SetCString("^font(");
    text->Append(_name);
    text->Append(")^size(");
    text->AppendInteger(_size);
    text->Append(")^nfx(");
    text->AppendInteger(_effects);
    text->Append(")");
}

void FCFontInfo::MakeEnigmaStyleString(FCString* text) const
{
    if (text == nullptr) {
        return;
    }
    text->SetCString("^nfx(");
    text->AppendInteger(_effects);
    text->Append(")");
}

bool FCFontInfo::IsIdenticalTo(const FCFontInfo* other) const
{
    return other != nullptr && ((_effects ^ other->_effects) & kComparedEffects) == 0 && _size == other->_size &&
           std::strcmp(_name, other->_name) == 0;
}
