// FCString, the framework's text of 16-bit units, and FCStrings, an owning
// list of strings. The tag operations of FCString are in text_tags.cpp.
#pragma once

#include "framework/data/collection.h"
#include "host/host_records.h"

class FCStrings;
class FCFontInfo;

class FCString : public __FCBase {
public:
    FCString() = default;
    explicit FCString(const char* text) { SetCString(text); }
    FCString(const FCString& other) : __FCBase() { SetString(&other); }
    FCString& operator=(const FCString& other);
    ~FCString() override;
    const char* ClassName() const override { return "FCString"; }

    // Content and conversion. 8-bit text widens by sign extension and narrows
    // to the low byte of each unit, so SetCString/GetCString round-trip.
    int GetLength() const { return _length; }
    void SetCString(const char* text);
    // The narrowed text; valid until the next GetCString or the string's end.
    char* GetCString();
    void SetString(const FCString* other);
    void SetUnicodeString(const short* text);
    // Writes the units and a 0 unit; the buffer holds GetLength() + 1 units.
    void GetUnicodeString(short* buffer) const;
    short GetItemAt(int index) const;
    void SetItemAt(int index, short unit);
    // Loads a string resource of the named module (null: the module named
    // last, at first the host's); "Resource String Error" on failure.
    bool LoadResource(int id, const char* moduleName);
    bool MakeFullFilePath(const FinPathSpec2009* path);

    // Editing.
    void Append(const char* text);
    void Append(const FCString* other);
    void Append(short unit);
    void AppendInteger(int value);
    void SetInteger(int value);
    void Insert(const char* text, int position);
    // Until no occurrence is left, searching from the beginning again after
    // each replacement; a run that would not end stops at a bound (see
    // string.cpp). An empty search text replaces nothing.
    bool Replace(const char* search, const char* replacement);
    bool DeleteCharacterAt(int index);
    bool DeleteCharactersAt(int position, int count);
    void TrimWhitespace();

    // Queries.
    bool IsEqual(const char* text);
    bool IsEqual(FCString* other);
    bool Contains(const FCString* search, int* position) const;
    bool StartsWith(const char* text);
    bool StartsWith(const FCString* other) const;
    bool EndsWith(const char* text);
    bool IsCharacter(int index, const char* set) const;
    bool IsCharacter(int index, short unit) const;
    bool IsDigit(int index) const;
    bool IsAllDigits() const;
    bool IsWhitespace(int index) const;

    // Numbers, read as the C library reads them from the given unit on.
    int GetInteger(int start = 0);
    float GetFloat(int start = 0);

    // Splitting; the caller owns the new list.
    FCStrings* CreateStringRows() const;
    FCStrings* CreateParsedStrings(const char* delimiters) const;

    // Text tags of the host (text_tags.cpp).
    bool TrimEnigmaTags();
    bool TrimEnigmaFontTags();
    FCStrings* CreateEnigmaStrings(bool withText) const;
    FCStrings* CreateEnigmaComponents() const;
    bool IsEnigmaFont() const;
    bool IsEnigmaTextInsert(bool fileInfoOnly) const;
    bool ContainsEnigmaTextInsert(bool fileInfoOnly) const;
    FCFontInfo* CreateLastFontInfo() const;
    bool IsEnigmaFileInfoTitle() const;
    bool IsEnigmaFileInfoSubtitle() const;
    bool IsEnigmaFileInfoComposer() const;
    bool IsEnigmaFileInfoArranger() const;
    bool IsEnigmaFileInfoLyricist() const;
    bool IsEnigmaFileInfoCopyright() const;

    // Makes room for that many units; capacity stays a multiple of 10 above it.
    void _ExpandStorageIfNecessary(int needed);
    int _GetCapacity() const { return _capacity; }

private:
    void _ReleaseStorage();
    // Replaces `removed` units at the position by the widened bytes.
    void _Splice(int position, int removed, const char* bytes, int count);
    // Index of the first occurrence at or after `from`, or -1.
    int _IndexOf(const FCString* search, int from) const;

    int _length = 0;
    int _capacity = 0;
    short* _characters = nullptr;
    char* _narrow = nullptr;
};

class FCStrings : public __FCCollection {
public:
    const char* ClassName() const override { return "FCStrings"; }
    // Null when the index is out of range.
    virtual FCString* GetItemAt(int index) const { return static_cast<FCString*>(__FCCollection::GetItemAt(index)); }
};
