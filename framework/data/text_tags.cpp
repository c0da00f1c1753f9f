// The tag operations of FCString: the host's inline text commands (a caret,
// a keyword and an argument list) removed, split, classified and read as a font.
#include <cstring>

#include "framework/data/font_info.h"
#include "framework/data/string.h"

namespace {

constexpr short kCaret = '^';

const char* const kFontKeywords[] = {"font", "Font", "fontMus", "fontTxt", "fontNum", nullptr};
// The keywords whose argument names a font; "Font" is left to the host.
const char* const kFontNameKeywords[] = {"font", "fontMus", "fontTxt", "fontNum", nullptr};
const char* const kFileInfoInserts[] = {"title",    "subtitle",  "composer",    "arranger",
                                        "lyricist", "copyright", "description", "partname",
                                        nullptr};
const char* const kOtherInserts[] = {"date",   "fdate", "time",  "filename", "page",    "totpages", "cprsym",
                                     "sharp",  "flat",  "natural", "dbsharp", "dbflat", nullptr};
// The tags TrimEnigmaFontTags removes; the first also covers fontMus, fontTxt, fontNum.
const char* const kFontTagPrefixes[] = {"^font", "^Font", "^nfx", "^size", nullptr};

bool StartsWithText(const FCString* text, const char* prefix)
{
    FCString start(prefix);
    return text->StartsWith(&start);
}

bool StartsWithAny(const FCString* text, const char* const* prefixes)
{
    for (; *prefixes != nullptr; ++prefixes) {
        if (StartsWithText(text, *prefixes)) {
            return true;
        }
    }
    return false;
}

bool IsOneOf(FCString* word, const char* const* words)
{
    for (; *words != nullptr; ++words) {
        if (word->IsEqual(*words)) {
            return true;
        }
    }
    return false;
}

// A tag starts at a caret that does not double another one.
bool StartsWithTag(const FCString* text)
{
    return text->GetItemAt(0) == kCaret && text->GetLength() > 1 && text->GetItemAt(1) != kCaret;
}

bool KeywordIsOneOf(const FCString* text, const char* const* words)
{
    if (!StartsWithTag(text)) {
        return false;
    }
    FCStrings* components = text->CreateEnigmaComponents();
    bool found = components->GetCount() > 0 && IsOneOf(components->GetItemAt(0), words);
    delete components;
    return found;
}

// One pass of the trimming: a tag ends at its first ")", doubled carets
// become one, a tag left open at the end is dropped.
bool TrimTags(FCString* text, const char* const* removedPrefixes)
{
    FCString output;
    FCString tag;
    bool inTag = false;
    bool removed = false;
    for (int i = 0; i < text->GetLength(); ++i) {
        short unit = text->GetItemAt(i);
        if (inTag) {
            tag.Append(unit);
            if (unit == ')') {
                inTag = false;
                if (removedPrefixes == nullptr || StartsWithAny(&tag, removedPrefixes)) {
                    removed = true;
                } else {
                    output.Append(&tag);
                }
            }
        } else if (unit == kCaret && text->GetItemAt(i + 1) == kCaret) {
            output.Append(kCaret);
            ++i;
        } else if (unit == kCaret) {
            inTag = true;
            tag.SetCString("^");
        } else {
            output.Append(unit);
        }
    }
    text->SetString(&output);
    return removed || inTag;
}

}  // namespace

bool FCString::TrimEnigmaTags()
{
    return TrimTags(this, nullptr);
}

bool FCString::TrimEnigmaFontTags()
{
    return TrimTags(this, kFontTagPrefixes);
}

FCStrings* FCString::CreateEnigmaStrings(bool withText) const
{
    FCStrings* pieces = new FCStrings;
    FCString* plain = nullptr;
    int i = 0;
    while (i < _length) {
        if (_characters[i] != kCaret) {
            if (withText) {
                if (plain == nullptr) {
                    plain = new FCString;
                    pieces->Add(plain);
                }
                plain->Append(_characters[i]);
            }
            ++i;
            continue;
        }
        plain = nullptr;
        if (GetItemAt(i + 1) == kCaret) {
            if (withText) {
                pieces->Add(new FCString("^^"));
            }
            i += 2;
            continue;
        }
        // Nested parentheses belong to the tag; it ends where they close.
        FCString* tag = new FCString;
        int depth = 0;
        while (i < _length) {
            short unit = _characters[i++];
            tag->Append(unit);
            if (unit == '(') {
                ++depth;
            } else if (unit == ')' && --depth == 0) {
                break;
            }
        }
        pieces->Add(tag);
    }
    return pieces;
}

FCStrings* FCString::CreateEnigmaComponents() const
{
    if (_length <= 1 || _characters[0] != kCaret) {
        return nullptr;
    }
    FCString afterCaret(*this);
    afterCaret.DeleteCharacterAt(0);
    return afterCaret.CreateParsedStrings(",()");
}

bool FCString::IsEnigmaFont() const
{
    return KeywordIsOneOf(this, kFontKeywords);
}

bool FCString::IsEnigmaTextInsert(bool fileInfoOnly) const
{
    return KeywordIsOneOf(this, kFileInfoInserts) || (!fileInfoOnly && KeywordIsOneOf(this, kOtherInserts));
}

bool FCString::ContainsEnigmaTextInsert(bool fileInfoOnly) const
{
    FCStrings* tags = CreateEnigmaStrings(false);
    bool found = false;
    for (int i = 0; i < tags->GetCount() && !found; ++i) {
        found = tags->GetItemAt(i)->IsEnigmaTextInsert(fileInfoOnly);
    }
    delete tags;
    return found;
}

FCFontInfo* FCString::CreateLastFontInfo() const
{
    FCFontInfo* font = new FCFontInfo;
    FCStrings* tags = CreateEnigmaStrings(false);
    for (int i = 0; i < tags->GetCount(); ++i) {
        FCStrings* components = tags->GetItemAt(i)->CreateEnigmaComponents();
        FCString* argument = components != nullptr ? components->GetItemAt(1) : nullptr;
        if (argument != nullptr) {
            FCString* keyword = components->GetItemAt(0);
            if (IsOneOf(keyword, kFontNameKeywords)) {
                // "Font3" names the host's font number 3.
                if (StartsWithText(argument, "Font")) {
                    font->SetNameByID(static_cast<short>(argument->GetInteger(4)));
                } else {
                    font->SetName(argument->GetCString());
                }
            } else if (keyword->IsEqual("nfx")) {
                font->SetEffects(static_cast<unsigned short>(argument->GetInteger(0)));
            } else if (keyword->IsEqual("size")) {
                font->SetSize(static_cast<short>(argument->GetInteger(0)));
            }
        }
        delete components;
    }
    delete tags;
    return font;
}

bool FCString::IsEnigmaFileInfoTitle() const
{
    return StartsWithText(this, "^title()");
}

bool FCString::IsEnigmaFileInfoSubtitle() const
{
    return StartsWithText(this, "^subtitle()");
}

bool FCString::IsEnigmaFileInfoComposer() const
{
    return StartsWithText(this, "^composer()");
}

bool FCString::IsEnigmaFileInfoArranger() const
{
    return StartsWithText(this, "^arranger()");
}

bool FCString::IsEnigmaFileInfoLyricist() const
{
    return StartsWithText(this, "^lyricist()");
}

bool FCString::IsEnigmaFileInfoCopyright() const
{
    return StartsWithText(this, "^copyright()");
}
