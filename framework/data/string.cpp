// FCString's storage, conversion, editing, queries, numbers, resources and
// splitting, and the FCStrings list.
#include "framework/data/string.h"

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// 8-bit text widens with its sign, as the host's 16-bit characters expect.
short Widen(char byte)
{
    return static_cast<short>(static_cast<signed char>(byte));
}

char Narrow(short unit)
{
    return static_cast<char>(unit & 0xFF);
}

bool IsDecimalDigit(short unit)
{
    return unit >= '0' && unit <= '9';
}

// LoadStringA cuts longer resources at one less than this.
constexpr int kResourceBufferSize = 500;

// Replaced text is searched again, so a replacement that brings the searched
// text back would run without end ('a' by 'aa'): such a run stops after this
// many replacements, or before the text would grow by more than this many
// units. A replacement shorter than the searched text ends by itself.
constexpr int kMostReplacements = 10000;
constexpr int kMostReplaceGrowth = 10000;

}  // namespace

FCString& FCString::operator=(const FCString& other)
{
    SetString(&other);
    return *this;
}

FCString::~FCString()
{
    delete[] _characters;
    delete[] _narrow;
}

void FCString::_ExpandStorageIfNecessary(int needed)
{
    if (needed < _capacity) {
        return;
    }
    int capacity = (needed + 10) / 10 * 10;
    short* characters = new short[capacity];
    if (_length > 0) {
        std::memcpy(characters, _characters, sizeof(short) * _length);
    }
    delete[] _characters;
    _characters = characters;
    _capacity = capacity;
}

void FCString::_ReleaseStorage()
{
    delete[] _characters;
    _characters = nullptr;
    _length = 0;
    _capacity = 0;
}

void FCString::_Splice(int position, int removed, const char* bytes, int count)
{
    int length = _length - removed + count;
    if (length > _length) {
        _ExpandStorageIfNecessary(length);
    }
    int tail = _length - position - removed;
    if (tail > 0 && removed != count) {
        std::memmove(_characters + position + count, _characters + position + removed, sizeof(short) * tail);
    }
    for (int i = 0; i < count; ++i) {
        _characters[position + i] = Widen(bytes[i]);
    }
    _length = length;
}

int FCString::_IndexOf(const FCString* search, int from) const
{
    for (int start = from; start + search->_length <= _length; ++start) {
        int matched = 0;
        while (matched < search->_length && _characters[start + matched] == search->_characters[matched]) {
            ++matched;
        }
        if (matched == search->_length) {
            return start;
        }
    }
    return -1;
}

void FCString::SetCString(const char* text)
{
    if (text == nullptr || *text == '\0') {
        _ReleaseStorage();
        return;
    }
    _length = 0;
    _Splice(0, 0, text, static_cast<int>(std::strlen(text)));
}

char* FCString::GetCString()
{
    delete[] _narrow;
    _narrow = new char[_length + 1];
    for (int i = 0; i < _length; ++i) {
        _narrow[i] = Narrow(_characters[i]);
    }
    _narrow[_length] = '\0';
    return _narrow;
}

void FCString::SetString(const FCString* other)
{
    // Emptying first would lose the text a string is copied from itself.
    if (other == nullptr || other == this) {
        return;
    }
    _length = 0;
    Append(other);
}

void FCString::SetUnicodeString(const short* text)
{
    if (text == nullptr || *text == 0) {
        _ReleaseStorage();
        return;
    }
    int count = 0;
    while (text[count] != 0) {
        ++count;
    }
    _length = 0;
    _ExpandStorageIfNecessary(count);
    std::memcpy(_characters, text, sizeof(short) * count);
    _length = count;
}

void FCString::GetUnicodeString(short* buffer) const
{
    if (buffer == nullptr) {
        return;
    }
    if (_length > 0) {
        std::memcpy(buffer, _characters, sizeof(short) * _length);
    }
    buffer[_length] = 0;
}

short FCString::GetItemAt(int index) const
{
    return index >= 0 && index < _length ? _characters[index] : 0;
}

void FCString::SetItemAt(int index, short unit)
{
    if (index >= 0 && index < _length) {
        _characters[index] = unit;
    }
}

bool FCString::LoadResource(int id, const char* moduleName)
{
    // The module named last stays in use for later calls without a name.
    static HINSTANCE _ResInstance = nullptr;
    if (moduleName != nullptr) {
        _ResInstance = GetModuleHandleA(moduleName);
    }
    HINSTANCE module = _ResInstance != nullptr ? _ResInstance : GetModuleHandleA(nullptr);
    char buffer[kResourceBufferSize];
    if (LoadStringA(module, static_cast<UINT>(id), buffer, kResourceBufferSize) <= 0) {
        SetCString("Resource String Error");
        return false;
    }
    SetCString(buffer);
    return true;
}

bool FCString::MakeFullFilePath(const FinPathSpec2009* path)
{
    if (path == nullptr) {
        return false;
    }
    // A record the host left without a NUL is read to its end, never past it.
    const char* bytes = reinterpret_cast<const char*>(path->bytes);
    int count = 0;
    while (count < static_cast<int>(sizeof(path->bytes)) && bytes[count] != '\0') {
        ++count;
    }
    _length = 0;
    _Splice(0, 0, bytes, count);
    return true;
}

void FCString::Append(const char* text)
{
    if (text != nullptr) {
        _Splice(_length, 0, text, static_cast<int>(std::strlen(text)));
    }
}

void FCString::Append(const FCString* other)
{
    if (other == nullptr || other->_length == 0) {
        return;
    }
    // Read through `other` after the growth: it may be this string.
    int count = other->_length;
    _ExpandStorageIfNecessary(_length + count);
    std::memmove(_characters + _length, other->_characters, sizeof(short) * count);
    _length += count;
}

void FCString::Append(short unit)
{
    _ExpandStorageIfNecessary(_length + 1);
    _characters[_length++] = unit;
}

void FCString::AppendInteger(int value)
{
    FCString number;
    number.SetInteger(value);
    Append(&number);
}

void FCString::SetInteger(int value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    SetCString(text);
}

void FCString::Insert(const char* text, int position)
{
    if (text != nullptr && position >= 0 && position <= _length) {
        _Splice(position, 0, text, static_cast<int>(std::strlen(text)));
    }
}

bool FCString::Replace(const char* search, const char* replacement)
{
    if (search == nullptr || *search == '\0' || replacement == nullptr) {
        return false;
    }
    FCString searched(search);
    const int replacementLength = static_cast<int>(std::strlen(replacement));
    const bool shrinks = replacementLength < searched._length;
    const int longest = _length + kMostReplaceGrowth;
    int made = 0;
    int from = 0;
    int position;
    while ((position = _IndexOf(&searched, from)) >= 0) {
        if (!shrinks && (made == kMostReplacements || _length - searched._length + replacementLength > longest)) {
            break;
        }
        _Splice(position, searched._length, replacement, replacementLength);
        ++made;
        // The text before the occurrence held none, so a search from the
        // beginning can find one no earlier than the replacement could make.
        from = position - searched._length + 1;
        if (from < 0) {
            from = 0;
        }
    }
    return made > 0;
}

bool FCString::DeleteCharacterAt(int index)
{
    return DeleteCharactersAt(index, 1);
}

bool FCString::DeleteCharactersAt(int position, int count)
{
    if (position < 0 || position >= _length || count < 1 || count > _length - position) {
        return false;
    }
    _Splice(position, count, nullptr, 0);
    return true;
}

void FCString::TrimWhitespace()
{
    int end = _length;
    while (end > 0 && IsCharacter(end - 1, " \r\n\t")) {
        --end;
    }
    int start = 0;
    while (start < end && IsCharacter(start, " \r\n\t")) {
        ++start;
    }
    _length = end;
    if (start > 0) {
        _Splice(0, start, nullptr, 0);
    }
}

bool FCString::IsEqual(const char* text)
{
    return text != nullptr && std::strcmp(GetCString(), text) == 0;
}

bool FCString::IsEqual(FCString* other)
{
    if (other == nullptr) {
        return false;
    }
    // Narrowing the same string twice would free the first text.
    if (other == this) {
        return true;
    }
    return std::strcmp(GetCString(), other->GetCString()) == 0;
}

bool FCString::Contains(const FCString* search, int* position) const
{
    if (search == nullptr) {
        return false;
    }
    int found = _IndexOf(search, 0);
    if (found < 0) {
        return false;
    }
    if (position != nullptr) {
        *position = found;
    }
    return true;
}

bool FCString::StartsWith(const char* text)
{
    if (text == nullptr) {
        return false;
    }
    size_t count = std::strlen(text);
    if (static_cast<size_t>(_length) < count) {
        return false;
    }
    return std::memcmp(GetCString(), text, count) == 0;
}

bool FCString::StartsWith(const FCString* other) const
{
    if (other == nullptr || _length < other->_length) {
        return false;
    }
    return other->_length == 0 || std::memcmp(_characters, other->_characters, sizeof(short) * other->_length) == 0;
}

bool FCString::EndsWith(const char* text)
{
    if (text == nullptr) {
        return false;
    }
    size_t count = std::strlen(text);
    if (static_cast<size_t>(_length) < count) {
        return false;
    }
    return std::memcmp(GetCString() + _length - count, text, count) == 0;
}

bool FCString::IsCharacter(int index, const char* set) const
{
    if (index < 0 || index >= _length || set == nullptr) {
        return false;
    }
    for (const char* c = set; *c != '\0'; ++c) {
        if (_characters[index] == Widen(*c)) {
            return true;
        }
    }
    return false;
}

bool FCString::IsCharacter(int index, short unit) const
{
    return index >= 0 && index < _length && _characters[index] == unit;
}

bool FCString::IsDigit(int index) const
{
    return index >= 0 && index < _length && IsDecimalDigit(_characters[index]);
}

bool FCString::IsAllDigits() const
{
    for (int i = 0; i < _length; ++i) {
        if (!IsDecimalDigit(_characters[i])) {
            return false;
        }
    }
    return true;
}

bool FCString::IsWhitespace(int index) const
{
    if (index < 0 || index >= _length) {
        return false;
    }
    // The C classification knows single bytes only; wider units, the widened
    // bytes 0x80-0xFF among them, are no white space.
    unsigned short unit = static_cast<unsigned short>(_characters[index]);
    return unit <= 0xFF && std::isspace(unit) != 0;
}

int FCString::GetInteger(int start)
{
    if (start < 0 || start > _length) {
        return 0;
    }
    return std::atoi(GetCString() + start);
}

float FCString::GetFloat(int start)
{
    if (start < 0 || start > _length) {
        return 0;
    }
    return static_cast<float>(std::atof(GetCString() + start));
}

FCStrings* FCString::CreateStringRows() const
{
    FCStrings* rows = new FCStrings;
    FCString* row = nullptr;
    for (int i = 0; i < _length; ++i) {
        if (row == nullptr) {
            row = new FCString;
        }
        if (_characters[i] == '\n') {
            rows->Add(row);
            row = nullptr;
        } else {
            row->Append(_characters[i]);
        }
    }
    if (row != nullptr) {
        rows->Add(row);
    }
    return rows;
}

FCStrings* FCString::CreateParsedStrings(const char* delimiters) const
{
    FCStrings* pieces = new FCStrings;
    FCString* piece = nullptr;
    for (int i = 0; i < _length; ++i) {
        if (IsCharacter(i, delimiters)) {
            if (piece != nullptr) {
                pieces->Add(piece);
                piece = nullptr;
            }
            continue;
        }
        if (piece == nullptr) {
            piece = new FCString;
        }
        piece->Append(_characters[i]);
    }
    if (piece != nullptr) {
        pieces->Add(piece);
    }
    return pieces;
}
