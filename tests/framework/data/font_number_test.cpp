// FCFontInfo's font numbers against a bare host that serves only them:
// what the framework asks, and what it makes of the answers.
#include <windows.h>

#include <cstring>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "framework/data/font_info.h"
#include "framework/data/string.h"

namespace {
std::string g_name_seen;
int g_number_seen;
long g_version_seen;
}  // namespace

// Font 3 is Arial; font 7 fills the whole buffer without a terminator; the
// host knows no other.
extern "C" short WINAPI TestFontNameToNum(const char* name, long version)
{
    g_name_seen = name;
    g_version_seen = version;
    return std::strcmp(name, "Arial") == 0 ? 3 : -2;
}
extern "C" short WINAPI TestFontNumToName(short number, char* name, long version)
{
    g_number_seen = number;
    g_version_seen = version;
    if (number == 3) {
        std::strcpy(name, "Arial");
        return 1;
    }
    if (number == 7) {
        std::memset(name, 'Q', 256);
        return 1;
    }
    std::strcpy(name, "Never used");
    return 0;
}

TEST(FontNumbers, NameToNumber)
{
    FCFontInfo font;
    font.SetName("Arial");
    EXPECT_EQ(font.GetNameByID(), 3);
    EXPECT_EQ(g_name_seen, "Arial");
    EXPECT_EQ(g_version_seen, 0x0F000200);
    font.SetName("Courier");
    EXPECT_EQ(font.GetNameByID(), -2);
}

TEST(FontNumbers, NumberToName)
{
    FCFontInfo font;
    font.SetNameByID(3);
    EXPECT_STREQ(font.GetNameCString(), "Arial");
    EXPECT_EQ(g_number_seen, 3);
    EXPECT_EQ(g_version_seen, 0x0F000200);

    font.SetNameByID(5);
    EXPECT_STREQ(font.GetNameCString(), "Times New Roman");

    // An answer without a terminator keeps the field's 255 characters.
    font.SetNameByID(7);
    EXPECT_EQ(std::string(font.GetNameCString()), std::string(255, 'Q'));
}

TEST(FontNumbers, FontTagsNameFontsByNumber)
{
    std::unique_ptr<FCFontInfo> font(FCString("^font(Font3)^size(9)").CreateLastFontInfo());
    EXPECT_STREQ(font->GetNameCString(), "Arial");
    EXPECT_EQ(font->GetSize(), 9);

    font.reset(FCString("^font(Arial)^fontTxt(Font12x)").CreateLastFontInfo());
    EXPECT_EQ(g_number_seen, 12);
    EXPECT_STREQ(font->GetNameCString(), "Times New Roman");

    // "Font" as the keyword leaves the name alone; only the argument counts.
    g_number_seen = -1;
    font.reset(FCString("^font(Arial)^Font(Font3)").CreateLastFontInfo());
    EXPECT_EQ(g_number_seen, -1);
    EXPECT_STREQ(font->GetNameCString(), "Arial");
}
