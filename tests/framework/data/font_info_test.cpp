// FCFontInfo without the host: the name field, the font tags it writes and
// the comparison of fonts.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "framework/data/font_info.h"
#include "framework/data/string.h"

TEST(FCFontInfo, NewFontIsTimesNewRomanTwelve)
{
    FCFontInfo font;
    EXPECT_STREQ(font.ClassName(), "__FCBase");
    EXPECT_STREQ(font.GetNameCString(), "Times New Roman");
    EXPECT_EQ(font.GetSize(), 12);
    EXPECT_EQ(font.GetEffects(), 0);
}

TEST(FCFontInfo, NamesAreCutToTheField)
{
    FCFontInfo font;
    std::string longName(300, 'n');
    longName[254] = 'L';
    font.SetName(longName.c_str());
    EXPECT_EQ(std::strlen(font.GetNameCString()), 255u);
    EXPECT_EQ(font.GetNameCString()[254], 'L');

    font.SetName("Caf\xE9");
    FCString name;
    font.GetName(&name);
    EXPECT_EQ(name.GetLength(), 4);
    EXPECT_EQ(static_cast<unsigned short>(name.GetItemAt(3)), 0xFFE9);
}

TEST(FCFontInfo, WritesItsTags)
{
    FCFontInfo font;
    font.SetName("Arial");
    font.SetSize(10);
    font.SetEffects(2);
    FCString text("old");
    font.MakeEnigmaString(&text);
    EXPECT_STREQ(text.GetCString(), "^font(Arial)^size(10)^nfx(2)");
    font.MakeEnigmaStyleString(&text);
    EXPECT_STREQ(text.GetCString(), "^nfx(2)");

    font.SetSize(-3);
    font.SetEffects(0xFFFF);
    font.MakeEnigmaString(&text);
    EXPECT_STREQ(text.GetCString(), "^font(Arial)^size(-3)^nfx(65535)");
}

TEST(FCFontInfo, ComparesNameSizeAndTheDrawnEffectBits)
{
    FCFontInfo first;
    FCFontInfo second;
    first.SetName("Arial");
    second.SetName("Arial");
    first.SetEffects(0x01);
    second.SetEffects(0x01 | 0x08);
    EXPECT_TRUE(first.IsIdenticalTo(&second));
    second.SetEffects(0x01 | 0x10 | 0x100 | 0x8000);
    EXPECT_TRUE(first.IsIdenticalTo(&second));
    for (unsigned short bit : {0x02, 0x04, 0x20, 0x40, 0x80}) {
        second.SetEffects(static_cast<unsigned short>(0x01 | bit));
        EXPECT_FALSE(first.IsIdenticalTo(&second)) << bit;
    }
    second.SetEffects(0x01);
    second.SetSize(13);
    EXPECT_FALSE(first.IsIdenticalTo(&second));
    second.SetSize(12);
    second.SetName("arial");
    EXPECT_FALSE(first.IsIdenticalTo(&second));
    EXPECT_FALSE(first.IsIdenticalTo(nullptr));
    EXPECT_TRUE(first.IsIdenticalTo(&first));
}
