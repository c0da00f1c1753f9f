// FCString and FCStrings: storage growth, 8-bit widening and narrowing,
// editing at the edges, queries, numbers, splitting, paths and resources.
#include <windows.h>

#include <climits>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/string.h"

namespace {

// The units of a string, as a list for comparison.
std::vector<int> UnitsOf(const FCString& text)
{
    std::vector<int> units;
    for (int i = 0; i < text.GetLength(); ++i) {
        units.push_back(static_cast<unsigned short>(text.GetItemAt(i)));
    }
    return units;
}

std::vector<std::string> TextsOf(FCStrings* list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list->GetCount(); ++i) {
        texts.push_back(list->GetItemAt(i)->GetCString());
    }
    return texts;
}

}  // namespace

TEST(FCString, NewStringIsEmpty)
{
    FCString text;
    EXPECT_STREQ(text.ClassName(), "FCString");
    EXPECT_EQ(text.GetLength(), 0);
    EXPECT_EQ(text._GetCapacity(), 0);
    EXPECT_STREQ(text.GetCString(), "");
    EXPECT_TRUE(text.IsAllDigits());
    EXPECT_EQ(text.GetItemAt(0), 0);
    short units[2] = {7, 7};
    text.GetUnicodeString(units);
    EXPECT_EQ(units[0], 0);
}

TEST(FCString, BytesWidenWithTheirSignAndNarrowToTheLowByte)
{
    FCString text;
    text.SetCString("\x7F\x80\xE9\xFF");
    EXPECT_EQ(UnitsOf(text), (std::vector<int>{0x007F, 0xFF80, 0xFFE9, 0xFFFF}));
    EXPECT_STREQ(text.GetCString(), "\x7F\x80\xE9\xFF");

    text.SetCString("a");
    text.Append("\x81");
    text.Insert("\xFE", 0);
    EXPECT_EQ(UnitsOf(text), (std::vector<int>{0xFFFE, 'a', 0xFF81}));

    // A unit above 0x00FF loses its high byte on the way out.
    const short wide[] = {0x0141, 0x00E9, 0};
    FCString unicode;
    unicode.SetUnicodeString(wide);
    EXPECT_STREQ(unicode.GetCString(), "A\xE9");
    short back[3] = {1, 1, 1};
    unicode.GetUnicodeString(back);
    EXPECT_EQ(back[0], 0x0141);
    EXPECT_EQ(back[1], 0x00E9);
    EXPECT_EQ(back[2], 0);

    // The same byte by both roads: equal as C text, different as units.
    const short latin[] = {0x00E9, 0};
    FCString fromUnicode;
    fromUnicode.SetUnicodeString(latin);
    FCString fromBytes("\xE9");
    EXPECT_TRUE(fromUnicode.IsEqual(&fromBytes));
    EXPECT_TRUE(fromBytes.IsEqual(&fromUnicode));
    EXPECT_FALSE(fromUnicode.Contains(&fromBytes, nullptr));
    EXPECT_FALSE(fromBytes.Contains(&fromUnicode, nullptr));
    EXPECT_TRUE(fromBytes.IsCharacter(0, "\xE9"));
    EXPECT_FALSE(fromUnicode.IsCharacter(0, "\xE9"));
}

TEST(FCString, StorageGrowsInStepsOfTenAboveTheLength)
{
    FCString text;
    text.Append(static_cast<short>('a'));
    EXPECT_EQ(text._GetCapacity(), 10);
    text.Append("bcdefghi");
    EXPECT_EQ(text.GetLength(), 9);
    EXPECT_EQ(text._GetCapacity(), 10);
    text.Append("j");
    EXPECT_EQ(text.GetLength(), 10);
    EXPECT_EQ(text._GetCapacity(), 20);
    EXPECT_STREQ(text.GetCString(), "abcdefghij");

    text.SetCString("0123456789012345678901234");
    EXPECT_EQ(text._GetCapacity(), 30);
    // Shorter text and deletions keep the array.
    text.SetCString("ab");
    EXPECT_EQ(text._GetCapacity(), 30);
    EXPECT_TRUE(text.DeleteCharacterAt(0));
    EXPECT_EQ(text._GetCapacity(), 30);
    FCString empty;
    text.SetString(&empty);
    EXPECT_EQ(text.GetLength(), 0);
    EXPECT_EQ(text._GetCapacity(), 30);
    // Only empty text releases it.
    text.SetCString("abc");
    text.SetCString("");
    EXPECT_EQ(text.GetLength(), 0);
    EXPECT_EQ(text._GetCapacity(), 0);
    text.SetCString("abc");
    const short none[] = {0};
    text.SetUnicodeString(none);
    EXPECT_EQ(text._GetCapacity(), 0);

    FCString reserved;
    reserved._ExpandStorageIfNecessary(0);
    EXPECT_EQ(reserved._GetCapacity(), 10);
    reserved._ExpandStorageIfNecessary(9);
    EXPECT_EQ(reserved._GetCapacity(), 10);
    reserved._ExpandStorageIfNecessary(10);
    EXPECT_EQ(reserved._GetCapacity(), 20);
    reserved._ExpandStorageIfNecessary(5);
    EXPECT_EQ(reserved._GetCapacity(), 20);
}

TEST(FCString, ItemsOutsideTheTextReadZeroAndIgnoreWrites)
{
    FCString text("abc");
    EXPECT_EQ(text.GetItemAt(-1), 0);
    EXPECT_EQ(text.GetItemAt(3), 0);
    EXPECT_EQ(text.GetItemAt(2), 'c');
    text.SetItemAt(3, 'x');
    text.SetItemAt(-1, 'x');
    EXPECT_STREQ(text.GetCString(), "abc");
    EXPECT_EQ(text.GetLength(), 3);
    text.SetItemAt(2, static_cast<short>(0xFFE9));
    EXPECT_STREQ(text.GetCString(), "ab\xE9");
}

TEST(FCString, CopiesAreExactUnitForUnit)
{
    const short wide[] = {0x0141, 'b', static_cast<short>(0xFF80), 0};
    FCString original;
    original.SetUnicodeString(wide);
    FCString copy(original);
    EXPECT_EQ(UnitsOf(copy), (std::vector<int>{0x0141, 'b', 0xFF80}));
    FCString assigned("something longer");
    assigned = original;
    EXPECT_EQ(UnitsOf(assigned), (std::vector<int>{0x0141, 'b', 0xFF80}));

    // A string copied from or appended to itself keeps its text.
    assigned.SetString(&assigned);
    EXPECT_EQ(assigned.GetLength(), 3);
    FCString twice("abcdefg");
    twice.Append(&twice);
    EXPECT_STREQ(twice.GetCString(), "abcdefgabcdefg");
    EXPECT_EQ(twice._GetCapacity(), 20);
}

TEST(FCString, DeletionsAtTheEdges)
{
    FCString text("abcde");
    EXPECT_FALSE(text.DeleteCharactersAt(3, 4));
    EXPECT_FALSE(text.DeleteCharactersAt(5, 1));
    EXPECT_FALSE(text.DeleteCharactersAt(-1, 1));
    EXPECT_FALSE(text.DeleteCharactersAt(0, 0));
    EXPECT_FALSE(text.DeleteCharacterAt(5));
    EXPECT_FALSE(text.DeleteCharacterAt(-1));
    EXPECT_STREQ(text.GetCString(), "abcde");

    EXPECT_TRUE(text.DeleteCharactersAt(1, 4));
    EXPECT_STREQ(text.GetCString(), "a");

    text.SetCString("abcde");
    EXPECT_TRUE(text.DeleteCharacterAt(4));
    EXPECT_TRUE(text.DeleteCharacterAt(0));
    EXPECT_STREQ(text.GetCString(), "bcd");
    EXPECT_TRUE(text.DeleteCharactersAt(0, 3));
    EXPECT_EQ(text.GetLength(), 0);
}

TEST(FCString, InsertsOnlyWithinTheText)
{
    FCString text("bd");
    text.Insert("a", 0);
    text.Insert("c", 2);
    text.Insert("e", 4);
    EXPECT_STREQ(text.GetCString(), "abcde");
    text.Insert("x", -1);
    text.Insert("x", 6);
    text.Insert(nullptr, 0);
    EXPECT_STREQ(text.GetCString(), "abcde");
}

TEST(FCString, ReplacesUntilNoOccurrenceIsLeft)
{
    FCString text("B^flat() Clarinet");
    EXPECT_TRUE(text.Replace("^flat()", "b"));
    EXPECT_STREQ(text.GetCString(), "Bb Clarinet");
    EXPECT_FALSE(text.Replace("^flat()", "b"));
    EXPECT_STREQ(text.GetCString(), "Bb Clarinet");

    // Text made by a shorter replacement is searched again.
    text.SetCString("aaaa");
    EXPECT_TRUE(text.Replace("aa", "a"));
    EXPECT_STREQ(text.GetCString(), "a");
    text.SetCString("aab");
    EXPECT_TRUE(text.Replace("ab", "b"));
    EXPECT_STREQ(text.GetCString(), "b");

    text.SetCString("^sharp()F^sharp()");
    EXPECT_TRUE(text.Replace("^sharp()", "#"));
    EXPECT_STREQ(text.GetCString(), "#F#");
    text.SetCString("x--y--");
    EXPECT_TRUE(text.Replace("--", ""));
    EXPECT_STREQ(text.GetCString(), "xy");
    text.SetCString("%d");
    EXPECT_TRUE(text.Replace("%d", "38"));
    EXPECT_STREQ(text.GetCString(), "38");
}

TEST(FCString, ReplacementsThatWouldFeedThemselvesEnd)
{
    // Text a longer or equal replacement helps to form is searched again.
    FCString text("aab");
    EXPECT_TRUE(text.Replace("ab", "bc"));
    EXPECT_STREQ(text.GetCString(), "bcc");
    // These would grow without end: 10000 replacements at most, and no more
    // than 10000 units of growth.
    text.SetCString("aba");
    EXPECT_TRUE(text.Replace("a", "aa"));
    EXPECT_EQ(text.GetLength(), 10003);
    EXPECT_TRUE(text.EndsWith("aaba"));
    text.SetCString("x");
    EXPECT_TRUE(text.Replace("x", ("x" + std::string(999, 'y')).c_str()));
    EXPECT_EQ(text.GetLength(), 9991);

    text.SetCString("abc");
    EXPECT_FALSE(text.Replace("", "x"));
    EXPECT_FALSE(text.Replace(nullptr, "x"));
    EXPECT_FALSE(text.Replace("b", nullptr));
    EXPECT_STREQ(text.GetCString(), "abc");
}

TEST(FCString, TrimsTheFourWhiteSpaceCharactersAtBothEnds)
{
    FCString text(" \t a b\r\n");
    text.TrimWhitespace();
    EXPECT_STREQ(text.GetCString(), "a b");
    text.SetCString(" \r\n\t ");
    text.TrimWhitespace();
    EXPECT_EQ(text.GetLength(), 0);
    // Vertical tab and form feed are not among them.
    text.SetCString("\va\f");
    text.TrimWhitespace();
    EXPECT_EQ(text.GetLength(), 3);
    text.SetCString("x");
    text.TrimWhitespace();
    EXPECT_STREQ(text.GetCString(), "x");
}

TEST(FCString, ComparesAsCText)
{
    FCString text("Snare Drum");
    EXPECT_TRUE(text.IsEqual("Snare Drum"));
    EXPECT_FALSE(text.IsEqual("snare drum"));
    EXPECT_FALSE(text.IsEqual("Snare"));
    EXPECT_FALSE(text.IsEqual(static_cast<const char*>(nullptr)));
    EXPECT_FALSE(text.IsEqual(static_cast<FCString*>(nullptr)));
    EXPECT_TRUE(text.IsEqual(&text));

    // A unit whose low byte is 0 ends the C text.
    const short cut[] = {'a', 0x0100, 'b', 0};
    FCString early;
    early.SetUnicodeString(cut);
    FCString a("a");
    EXPECT_TRUE(early.IsEqual(&a));
    EXPECT_TRUE(early.IsEqual("a"));
}

TEST(FCString, SearchesUnitByUnit)
{
    FCString text("abcdcd");
    FCString cd("cd");
    FCString empty;
    FCString longer("abcdcdx");
    int position = -7;
    EXPECT_TRUE(text.Contains(&cd, &position));
    EXPECT_EQ(position, 2);
    EXPECT_TRUE(text.Contains(&empty, &position));
    EXPECT_EQ(position, 0);
    position = -7;
    EXPECT_FALSE(text.Contains(&longer, &position));
    EXPECT_FALSE(text.Contains(nullptr, &position));
    EXPECT_EQ(position, -7);
    EXPECT_TRUE(text.Contains(&cd, nullptr));

    FCString drum("Snare Drum");
    EXPECT_TRUE(drum.StartsWith("Snare"));
    EXPECT_TRUE(drum.StartsWith(""));
    EXPECT_FALSE(drum.StartsWith("snare"));
    EXPECT_FALSE(drum.StartsWith("Snare Drums"));
    EXPECT_TRUE(drum.EndsWith("Drum"));
    EXPECT_TRUE(drum.EndsWith(""));
    EXPECT_FALSE(drum.EndsWith("drum"));
    EXPECT_FALSE(drum.EndsWith("A Snare Drum"));

    FCString snare("Snare");
    FCString prefixTooLong("Snare Drums");
    EXPECT_TRUE(drum.StartsWith(&snare));
    EXPECT_TRUE(drum.StartsWith(&empty));
    EXPECT_FALSE(drum.StartsWith(&prefixTooLong));
    const short wide[] = {0x00E9, 0};
    FCString unicode;
    unicode.SetUnicodeString(wide);
    FCString narrow("\xE9x");
    EXPECT_FALSE(narrow.StartsWith(&unicode));
    EXPECT_TRUE(narrow.StartsWith("\xE9"));
}

TEST(FCString, ClassifiesCharacters)
{
    FCString text("a5 ");
    EXPECT_TRUE(text.IsCharacter(0, "xya"));
    EXPECT_FALSE(text.IsCharacter(0, "xyz"));
    EXPECT_FALSE(text.IsCharacter(0, ""));
    EXPECT_FALSE(text.IsCharacter(0, static_cast<const char*>(nullptr)));
    EXPECT_FALSE(text.IsCharacter(3, "a5 "));
    EXPECT_TRUE(text.IsCharacter(1, static_cast<short>('5')));
    EXPECT_FALSE(text.IsCharacter(3, static_cast<short>(0)));

    EXPECT_TRUE(text.IsDigit(1));
    EXPECT_FALSE(text.IsDigit(0));
    EXPECT_FALSE(text.IsDigit(3));
    EXPECT_FALSE(FCString().IsDigit(0));
    EXPECT_TRUE(FCString("0123456789").IsAllDigits());
    EXPECT_FALSE(FCString("12a").IsAllDigits());
    EXPECT_FALSE(FCString("-1").IsAllDigits());

    FCString blanks(" \t\n\v\f\ra");
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(blanks.IsWhitespace(i)) << i;
    }
    EXPECT_FALSE(blanks.IsWhitespace(6));
    EXPECT_FALSE(blanks.IsWhitespace(7));
    EXPECT_FALSE(blanks.IsWhitespace(-1));
    // Units beyond one byte are no white space, whatever their low byte.
    const short wide[] = {0x0109, 0x0120, static_cast<short>(0xFF89), static_cast<short>(0xFF20), 0};
    FCString unicode;
    unicode.SetUnicodeString(wide);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(unicode.IsWhitespace(i)) << i;
    }
}

TEST(FCString, ReadsAndWritesNumbers)
{
    EXPECT_EQ(FCString("12abc").GetInteger(0), 12);
    EXPECT_EQ(FCString("12").GetInteger(1), 2);
    EXPECT_EQ(FCString("12").GetInteger(2), 0);
    EXPECT_EQ(FCString("12").GetInteger(3), 0);
    EXPECT_EQ(FCString("12").GetInteger(-1), 0);
    EXPECT_EQ(FCString("Font  -34x").GetInteger(4), -34);
    EXPECT_EQ(FCString("+7").GetInteger(), 7);
    EXPECT_EQ(FCString("abc").GetInteger(0), 0);

    EXPECT_FLOAT_EQ(FCString("2.5").GetFloat(0), 2.5f);
    EXPECT_FLOAT_EQ(FCString("abc 1.25e1").GetFloat(3), 12.5f);
    EXPECT_FLOAT_EQ(FCString("2.5").GetFloat(4), 0.0f);
    EXPECT_FLOAT_EQ(FCString("2.5").GetFloat(-2), 0.0f);

    FCString number;
    number.SetInteger(-45);
    EXPECT_STREQ(number.GetCString(), "-45");
    number.SetInteger(0);
    EXPECT_STREQ(number.GetCString(), "0");
    number.SetInteger(INT_MIN);
    EXPECT_STREQ(number.GetCString(), "-2147483648");
    FCString item("Item ");
    item.AppendInteger(7);
    EXPECT_STREQ(item.GetCString(), "Item 7");
}

TEST(FCString, SplitsIntoRows)
{
    std::unique_ptr<FCStrings> rows(FCString("a\n\nb").CreateStringRows());
    EXPECT_EQ(TextsOf(rows.get()), (std::vector<std::string>{"a", "", "b"}));
    rows.reset(FCString("a\n").CreateStringRows());
    EXPECT_EQ(TextsOf(rows.get()), (std::vector<std::string>{"a"}));
    rows.reset(FCString("\n").CreateStringRows());
    EXPECT_EQ(TextsOf(rows.get()), (std::vector<std::string>{""}));
    rows.reset(FCString().CreateStringRows());
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows->GetCount(), 0);
    rows.reset(FCString("a\r\nb\r").CreateStringRows());
    EXPECT_EQ(TextsOf(rows.get()), (std::vector<std::string>{"a\r", "b\r"}));
}

TEST(FCString, SplitsIntoPiecesAtDelimiters)
{
    std::unique_ptr<FCStrings> pieces(FCString(",a,,b;c,").CreateParsedStrings(",;"));
    EXPECT_EQ(TextsOf(pieces.get()), (std::vector<std::string>{"a", "b", "c"}));
    pieces.reset(FCString("abc").CreateParsedStrings(","));
    EXPECT_EQ(TextsOf(pieces.get()), (std::vector<std::string>{"abc"}));
    pieces.reset(FCString(",;,").CreateParsedStrings(",;"));
    EXPECT_EQ(pieces->GetCount(), 0);
    pieces.reset(FCString().CreateParsedStrings(","));
    EXPECT_EQ(pieces->GetCount(), 0);

    // Delimiters widen like any 8-bit text.
    pieces.reset(FCString("a\xE9" "b").CreateParsedStrings("\xE9"));
    EXPECT_EQ(TextsOf(pieces.get()), (std::vector<std::string>{"a", "b"}));
    const short wide[] = {'a', 0x00E9, 'b', 0};
    FCString unicode;
    unicode.SetUnicodeString(wide);
    pieces.reset(unicode.CreateParsedStrings("\xE9"));
    EXPECT_EQ(pieces->GetCount(), 1);
}

TEST(FCStrings, TypedItemsAndName)
{
    FCStrings list;
    EXPECT_STREQ(list.ClassName(), "FCStrings");
    list.Add(new FCString("one"));
    EXPECT_STREQ(list.GetItemAt(0)->GetCString(), "one");
    EXPECT_EQ(list.GetItemAt(1), nullptr);
    EXPECT_EQ(list.GetItemAt(-1), nullptr);
}

TEST(FCString, MakesTheFullPathOfAHostPathRecord)
{
    FinPathSpec2009 path = {};
    std::memcpy(path.bytes, "Z:\\Data\\types.txt", 18);
    FCString text("old");
    EXPECT_TRUE(text.MakeFullFilePath(&path));
    EXPECT_STREQ(text.GetCString(), "Z:\\Data\\types.txt");

    // A record the host left without a NUL ends with the record.
    struct {
        FinPathSpec2009 path;
        char after[8];
    } unterminated;
    std::memset(unterminated.path.bytes, 'p', sizeof unterminated.path.bytes);
    std::memset(unterminated.after, 'q', sizeof unterminated.after);
    EXPECT_TRUE(text.MakeFullFilePath(&unterminated.path));
    EXPECT_EQ(text.GetLength(), 260);
    EXPECT_EQ(text.GetItemAt(259), 'p');

    EXPECT_FALSE(text.MakeFullFilePath(nullptr));
    EXPECT_EQ(text.GetLength(), 260);
}

TEST(FCString, LoadsStringResourcesOfTheNamedModule)
{
    FCString text;
    // At first the host executable's own resources.
    EXPECT_TRUE(text.LoadResource(1001, nullptr));
    EXPECT_STREQ(text.GetCString(), "Snare Drum");
    EXPECT_FALSE(text.LoadResource(2001, nullptr));
    EXPECT_STREQ(text.GetCString(), "Resource String Error");

    // A longer resource is cut by the platform to fit 500 bytes.
    EXPECT_TRUE(text.LoadResource(1002, nullptr));
    EXPECT_EQ(text.GetLength(), 499);
    EXPECT_EQ(text.GetItemAt(498), '8');

    ASSERT_NE(LoadLibraryA("DRUMTEXT.DLL"), nullptr);
    EXPECT_TRUE(text.LoadResource(2001, "DRUMTEXT.DLL"));
    EXPECT_STREQ(text.GetCString(), "Tom-tom");
    // The module named last stays in use.
    EXPECT_TRUE(text.LoadResource(2001, nullptr));
    EXPECT_STREQ(text.GetCString(), "Tom-tom");
    EXPECT_FALSE(text.LoadResource(1001, nullptr));
    EXPECT_STREQ(text.GetCString(), "Resource String Error");

    EXPECT_TRUE(text.LoadResource(1001, "FINALE.EXE"));
    EXPECT_STREQ(text.GetCString(), "Snare Drum");
}
