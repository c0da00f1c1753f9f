// The tag operations of FCString: trimming, splitting into tags and
// components, classifying inserts and fonts, and the last font of a text.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/font_info.h"
#include "framework/data/string.h"

namespace {

std::vector<std::string> TagsOf(const char* text, bool withText)
{
    std::unique_ptr<FCStrings> list(FCString(text).CreateEnigmaStrings(withText));
    std::vector<std::string> texts;
    for (int i = 0; i < list->GetCount(); ++i) {
        texts.push_back(list->GetItemAt(i)->GetCString());
    }
    return texts;
}

std::vector<std::string> ComponentsOf(const char* text)
{
    std::unique_ptr<FCStrings> list(FCString(text).CreateEnigmaComponents());
    std::vector<std::string> texts;
    for (int i = 0; list != nullptr && i < list->GetCount(); ++i) {
        texts.push_back(list->GetItemAt(i)->GetCString());
    }
    return texts;
}

}  // namespace

TEST(TextTags, TrimmingRemovesEveryTagAndUndoublesCarets)
{
    FCString text("a^^b^font(Arial)c");
    EXPECT_TRUE(text.TrimEnigmaTags());
    EXPECT_STREQ(text.GetCString(), "a^bc");
    text.SetCString("plain");
    EXPECT_FALSE(text.TrimEnigmaTags());
    EXPECT_STREQ(text.GetCString(), "plain");
    text.SetCString("^^");
    EXPECT_FALSE(text.TrimEnigmaTags());
    EXPECT_STREQ(text.GetCString(), "^");
    text.SetCString("^^^^x");
    EXPECT_FALSE(text.TrimEnigmaTags());
    EXPECT_STREQ(text.GetCString(), "^^x");

    // Trimming ends a tag at its first closing parenthesis.
    text.SetCString("^a(b(c))d");
    EXPECT_TRUE(text.TrimEnigmaTags());
    EXPECT_STREQ(text.GetCString(), ")d");

    // A tag left open runs to the end and is dropped.
    text.SetCString("abc^font(Ari");
    EXPECT_TRUE(text.TrimEnigmaTags());
    EXPECT_STREQ(text.GetCString(), "abc");
    text.SetCString("x^");
    EXPECT_TRUE(text.TrimEnigmaTags());
    EXPECT_STREQ(text.GetCString(), "x");
}

TEST(TextTags, FontTrimmingKeepsTheOtherTags)
{
    FCString text("^font(Arial)^size(14)^nfx(1)Snare ^flat()");
    EXPECT_TRUE(text.TrimEnigmaFontTags());
    EXPECT_STREQ(text.GetCString(), "Snare ^flat()");
    text.SetCString("x^^y");
    EXPECT_FALSE(text.TrimEnigmaFontTags());
    EXPECT_STREQ(text.GetCString(), "x^y");
    text.SetCString("^fontMus(Maestro)^Font(3)a^fontTxt(Arial)^fontNum(x)b^sizes(2)");
    EXPECT_TRUE(text.TrimEnigmaFontTags());
    EXPECT_STREQ(text.GetCString(), "ab");
    text.SetCString("^page(0) of ^totpages()");
    EXPECT_FALSE(text.TrimEnigmaFontTags());
    EXPECT_STREQ(text.GetCString(), "^page(0) of ^totpages()");

    // An unclosed tag goes whatever its keyword.
    text.SetCString("abc^font(Ari");
    EXPECT_TRUE(text.TrimEnigmaFontTags());
    EXPECT_STREQ(text.GetCString(), "abc");
    text.SetCString("B^flat(");
    EXPECT_TRUE(text.TrimEnigmaFontTags());
    EXPECT_STREQ(text.GetCString(), "B");
}

TEST(TextTags, SplittingCountsNestedParentheses)
{
    EXPECT_EQ(TagsOf("^a(b(c))d", true), (std::vector<std::string>{"^a(b(c))", "d"}));
    EXPECT_EQ(TagsOf("^a(b(c))d", false), (std::vector<std::string>{"^a(b(c))"}));
    EXPECT_EQ(TagsOf("a^font(Arial)b^^c", true), (std::vector<std::string>{"a", "^font(Arial)", "b", "^^", "c"}));
    EXPECT_EQ(TagsOf("a^font(Arial)b^^c", false), (std::vector<std::string>{"^font(Arial)"}));
    EXPECT_EQ(TagsOf("^size(10)^nfx(0)", false), (std::vector<std::string>{"^size(10)", "^nfx(0)"}));
    EXPECT_EQ(TagsOf("^^^^", true), (std::vector<std::string>{"^^", "^^"}));
    EXPECT_EQ(TagsOf("^^x", false), (std::vector<std::string>{}));
    EXPECT_EQ(TagsOf("", true), (std::vector<std::string>{}));
    // An unclosed tag runs to the end of the text.
    EXPECT_EQ(TagsOf("x^font(Ari", true), (std::vector<std::string>{"x", "^font(Ari"}));
    EXPECT_EQ(TagsOf("x^", true), (std::vector<std::string>{"x", "^"}));
    EXPECT_EQ(TagsOf("^a)b(c)d", true), (std::vector<std::string>{"^a)b(c)d"}));
}

TEST(TextTags, ComponentsAreTheKeywordAndTheArguments)
{
    EXPECT_EQ(ComponentsOf("^font(Times New Roman,4096)"),
              (std::vector<std::string>{"font", "Times New Roman", "4096"}));
    EXPECT_EQ(ComponentsOf("^size(,12)"), (std::vector<std::string>{"size", "12"}));
    EXPECT_EQ(ComponentsOf("^font( Arial ,3)"), (std::vector<std::string>{"font", " Arial ", "3"}));
    EXPECT_EQ(ComponentsOf("^flat()"), (std::vector<std::string>{"flat"}));
    EXPECT_EQ(ComponentsOf("^a(b(c))"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(FCString("abc").CreateEnigmaComponents(), nullptr);
    EXPECT_EQ(FCString("^").CreateEnigmaComponents(), nullptr);
    EXPECT_EQ(FCString().CreateEnigmaComponents(), nullptr);
}

TEST(TextTags, FontTagsAreKnownByTheirKeyword)
{
    EXPECT_TRUE(FCString("^fontTxt(Arial)").IsEnigmaFont());
    EXPECT_TRUE(FCString("^font(Arial)").IsEnigmaFont());
    EXPECT_TRUE(FCString("^Font(Arial)").IsEnigmaFont());
    EXPECT_TRUE(FCString("^fontMus(Maestro)").IsEnigmaFont());
    EXPECT_TRUE(FCString("^fontNum(Arial)").IsEnigmaFont());
    EXPECT_FALSE(FCString("^^font(Arial)").IsEnigmaFont());
    EXPECT_FALSE(FCString("^fonts(Arial)").IsEnigmaFont());
    EXPECT_FALSE(FCString("^size(12)").IsEnigmaFont());
    EXPECT_FALSE(FCString("font(Arial)").IsEnigmaFont());
    EXPECT_FALSE(FCString("^").IsEnigmaFont());
}

TEST(TextTags, TextInsertsByGroup)
{
    EXPECT_FALSE(FCString("^page(0)").IsEnigmaTextInsert(true));
    EXPECT_TRUE(FCString("^page(0)").IsEnigmaTextInsert(false));
    EXPECT_TRUE(FCString("^title()").IsEnigmaTextInsert(true));
    EXPECT_TRUE(FCString("^title()").IsEnigmaTextInsert(false));
    EXPECT_TRUE(FCString("^partname()").IsEnigmaTextInsert(true));
    EXPECT_TRUE(FCString("^description()").IsEnigmaTextInsert(true));
    EXPECT_FALSE(FCString("^dbflat()").IsEnigmaTextInsert(true));
    EXPECT_TRUE(FCString("^dbflat()").IsEnigmaTextInsert(false));
    EXPECT_TRUE(FCString("^cprsym()").IsEnigmaTextInsert(false));
    EXPECT_FALSE(FCString("^^title()").IsEnigmaTextInsert(false));
    EXPECT_FALSE(FCString("^font(Arial)").IsEnigmaTextInsert(false));
    EXPECT_FALSE(FCString("^").IsEnigmaTextInsert(false));
    EXPECT_FALSE(FCString("title()").IsEnigmaTextInsert(false));

    FCString pages("Page ^page(0) of ^totpages()");
    EXPECT_FALSE(pages.ContainsEnigmaTextInsert(true));
    EXPECT_TRUE(pages.ContainsEnigmaTextInsert(false));
    EXPECT_TRUE(FCString("^font(Arial)by ^composer()").ContainsEnigmaTextInsert(true));
    EXPECT_FALSE(FCString("a^^title()").ContainsEnigmaTextInsert(false));
    EXPECT_FALSE(FCString("plain").ContainsEnigmaTextInsert(false));
}

TEST(TextTags, FileInformationAtTheStart)
{
    EXPECT_TRUE(FCString("^title() and more").IsEnigmaFileInfoTitle());
    EXPECT_FALSE(FCString("^title(x)").IsEnigmaFileInfoTitle());
    EXPECT_FALSE(FCString("x^title()").IsEnigmaFileInfoTitle());
    EXPECT_FALSE(FCString("^subtitle()").IsEnigmaFileInfoTitle());
    EXPECT_TRUE(FCString("^subtitle()").IsEnigmaFileInfoSubtitle());
    EXPECT_TRUE(FCString("^composer()").IsEnigmaFileInfoComposer());
    EXPECT_FALSE(FCString("^composer").IsEnigmaFileInfoComposer());
    EXPECT_TRUE(FCString("^arranger()").IsEnigmaFileInfoArranger());
    EXPECT_TRUE(FCString("^lyricist()").IsEnigmaFileInfoLyricist());
    EXPECT_TRUE(FCString("^copyright()").IsEnigmaFileInfoCopyright());
    EXPECT_FALSE(FCString("^lyricist()").IsEnigmaFileInfoCopyright());
}

TEST(TextTags, LastFontIsTheOneInEffectAtTheEnd)
{
    std::unique_ptr<FCFontInfo> font(FCString("^font(Arial)^size(10)text^nfx(3)").CreateLastFontInfo());
    EXPECT_STREQ(font->GetNameCString(), "Arial");
    EXPECT_EQ(font->GetSize(), 10);
    EXPECT_EQ(font->GetEffects(), 3);

    font.reset(FCString("plain").CreateLastFontInfo());
    EXPECT_STREQ(font->GetNameCString(), "Times New Roman");
    EXPECT_EQ(font->GetSize(), 12);
    EXPECT_EQ(font->GetEffects(), 0);

    font.reset(FCString("^font(Arial)^Font(Courier)^size(10)^size(14)").CreateLastFontInfo());
    EXPECT_STREQ(font->GetNameCString(), "Arial");
    EXPECT_EQ(font->GetSize(), 14);

    font.reset(FCString("^fontMus(Maestro,8192)^fontTxt(Courier)x^^font(Arial)").CreateLastFontInfo());
    EXPECT_STREQ(font->GetNameCString(), "Courier");

    // Tags without an argument change nothing.
    font.reset(FCString("^size(9)^nfx(2)^size()^nfx()^font()").CreateLastFontInfo());
    EXPECT_STREQ(font->GetNameCString(), "Times New Roman");
    EXPECT_EQ(font->GetSize(), 9);
    EXPECT_EQ(font->GetEffects(), 2);
}
