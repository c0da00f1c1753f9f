// File and text streams on files in a temporary folder: paths, opening and
// closing, 8-bit and UTF-8 line reading, and what the writers put on disk.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/streams/file_stream.h"
#include "framework/streams/settings_pairs.h"

namespace {

// A folder of its own per test process, removed with its files afterwards.
class StreamFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
        _folder = std::string(temp) + "drumwell-streams-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(_folder.c_str(), nullptr);
    }
    void TearDown() override
    {
        for (const std::string& name : _written) {
            DeleteFileA(PathOf(name).c_str());
        }
        RemoveDirectoryA(_folder.c_str());
    }

    std::string PathOf(const std::string& name) const { return _folder + "\\" + name; }

    void Write(const std::string& name, const std::string& bytes)
    {
        _written.push_back(name);
        FILE* file = std::fopen(PathOf(name).c_str(), "wb");
        ASSERT_NE(file, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    // A file the stream writes, to be removed afterwards.
    FCString Name(const std::string& name)
    {
        _written.push_back(name);
        return FCString(name.c_str());
    }

    std::string Read(const std::string& name) const
    {
        std::string bytes;
        FILE* file = std::fopen(PathOf(name).c_str(), "rb");
        if (file == nullptr) {
            return "<missing>";
        }
        for (int byte = std::fgetc(file); byte != EOF; byte = std::fgetc(file)) {
            bytes.push_back(static_cast<char>(byte));
        }
        std::fclose(file);
        return bytes;
    }

    const char* Folder() const { return _folder.c_str(); }

private:
    std::string _folder;
    std::vector<std::string> _written;
};

std::vector<std::string> TextsOf(FCStrings* list)
{
    std::vector<std::string> texts;
    for (int i = 0; i < list->GetCount(); ++i) {
        texts.push_back(list->GetItemAt(i)->GetCString());
    }
    return texts;
}

std::vector<int> UnitsOf(const FCString& text)
{
    std::vector<int> units;
    for (int i = 0; i < text.GetLength(); ++i) {
        units.push_back(static_cast<unsigned short>(text.GetItemAt(i)));
    }
    return units;
}

std::vector<std::string> LinesOf(FCTextFileStream* stream)
{
    std::unique_ptr<FCStrings> lines(stream->ReadStrings());
    return lines == nullptr ? std::vector<std::string>{"<null>"} : TextsOf(lines.get());
}

}  // namespace

TEST(FCFileStream, FullPathIsFolderBackslashName)
{
    FCString name("types.txt");
    FCTextFileStream stream("C:\\Data", &name);
    EXPECT_STREQ(stream.ClassName(), "__FCBase");
    FCString path("old");
    EXPECT_TRUE(stream._MakeFullPath(&path));
    EXPECT_STREQ(path.GetCString(), "C:\\Data\\types.txt");

    FCTextFileStream bare("", &name);
    EXPECT_TRUE(bare._MakeFullPath(&path));
    EXPECT_STREQ(path.GetCString(), "\\types.txt");
    EXPECT_FALSE(bare._MakeFullPath(nullptr));
}

TEST_F(StreamFiles, OpensAndClosesOnce)
{
    Write("a.txt", "a");
    FCString name("a.txt");
    FCTextFileStream stream(Folder(), &name);
    EXPECT_FALSE(stream.Close());
    EXPECT_TRUE(stream.OpenRead());
    EXPECT_TRUE(stream.Close());
    EXPECT_FALSE(stream.Close());

    FCString missing("missing.txt");
    FCTextFileStream absent(Folder(), &missing);
    EXPECT_FALSE(absent.OpenRead());
    EXPECT_FALSE(absent.Close());
    EXPECT_EQ(absent.ReadString(), nullptr);
    EXPECT_FALSE(stream.OpenFile(nullptr));
}

TEST_F(StreamFiles, ReadsLinesInTextMode)
{
    Write("two.txt", "a\nb");
    Write("ended.txt", "a\n");
    Write("empty.txt", "");
    Write("crlf.txt", "a\r\nb\r\n");
    Write("blank.txt", "\n\nc\rd");
    FCString names[] = {FCString("two.txt"), FCString("ended.txt"), FCString("empty.txt"), FCString("crlf.txt"),
                        FCString("blank.txt")};

    FCTextFileStream two(Folder(), &names[0]);
    EXPECT_EQ(LinesOf(&two), (std::vector<std::string>{"<null>"}));
    ASSERT_TRUE(two.OpenRead());
    EXPECT_EQ(LinesOf(&two), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(two.ReadString(), nullptr);

    FCTextFileStream ended(Folder(), &names[1]);
    ASSERT_TRUE(ended.OpenRead());
    EXPECT_EQ(LinesOf(&ended), (std::vector<std::string>{"a"}));

    FCTextFileStream empty(Folder(), &names[2]);
    ASSERT_TRUE(empty.OpenRead());
    EXPECT_EQ(LinesOf(&empty), (std::vector<std::string>{}));

    FCTextFileStream crlf(Folder(), &names[3]);
    ASSERT_TRUE(crlf.OpenRead());
    EXPECT_EQ(LinesOf(&crlf), (std::vector<std::string>{"a", "b"}));

    // Every line feed and every lone carriage return ends a line.
    FCTextFileStream blank(Folder(), &names[4]);
    ASSERT_TRUE(blank.OpenRead());
    EXPECT_EQ(LinesOf(&blank), (std::vector<std::string>{"", "", "c", "d"}));
}

TEST_F(StreamFiles, ReadsLongAndManyLinesWholeInTheRoomGrowingWouldLeave)
{
    std::string text = std::string(25003, 'x') + "\n";
    for (int i = 0; i < 997; ++i) {
        text += (i % 3 == 0 ? std::string() : std::to_string(i)) + "\n";
    }
    Write("many.txt", text);
    FCString name("many.txt");
    FCTextFileStream stream(Folder(), &name);
    ASSERT_TRUE(stream.OpenRead());
    std::unique_ptr<FCStrings> lines(stream.ReadStrings());
    ASSERT_NE(lines, nullptr);
    ASSERT_EQ(lines->GetCount(), 998);
    EXPECT_EQ(lines->GetItemAt(0)->GetLength(), 25003);
    EXPECT_EQ(lines->GetItemAt(0)->GetItemAt(25002), 'x');
    EXPECT_EQ(lines->GetItemAt(1)->GetLength(), 0);
    EXPECT_STREQ(lines->GetItemAt(996)->GetCString(), "995");
    // As much room as adding unit by unit and line by line leaves.
    FCString grown;
    for (int i = 0; i < 25003; ++i) {
        grown.Append(static_cast<short>('x'));
    }
    FCStrings added;
    for (int i = 0; i < 998; ++i) {
        added.Add(new FCString);
    }
    EXPECT_EQ(lines->GetItemAt(0)->_GetCapacity(), grown._GetCapacity());
    EXPECT_EQ(lines->GetItemAt(1)->_GetCapacity(), FCString()._GetCapacity());
    EXPECT_EQ(lines->_GetCapacity(), added._GetCapacity());
}

TEST_F(StreamFiles, ReadsEachLineEndWithoutTranslation)
{
    Write("crlf.txt", "a\r\nb");
    FCString name("crlf.txt");
    FCTextFileStream stream(Folder(), &name);
    ASSERT_TRUE(stream.OpenFile("rb"));
    EXPECT_EQ(LinesOf(&stream), (std::vector<std::string>{"a", "", "b"}));
}

TEST_F(StreamFiles, BytesAboveSevenBitsReadAsUnitsAndWriteBack)
{
    Write("latin.txt", "\xE9t\xE9\n");
    FCString name("latin.txt");
    FCTextFileStream stream(Folder(), &name);
    ASSERT_TRUE(stream.OpenRead());
    std::unique_ptr<FCString> line(stream.ReadString());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(UnitsOf(*line), (std::vector<int>{0x00E9, 't', 0x00E9}));

    FCString copyName = Name("copy.txt");
    FCTextFileStream copy(Folder(), &copyName);
    ASSERT_TRUE(copy.OpenFile("wb"));
    EXPECT_EQ(copy.WriteText(line.get()), 3);
    EXPECT_TRUE(copy.Close());
    EXPECT_EQ(Read("copy.txt"), "\xE9t\xE9");
}

TEST_F(StreamFiles, ReadsUTF8LinesWithTheirLineFeed)
{
    Write("utf8.txt", "\xC3\xA9\n" "a\r\n" + std::string(1500, 'x') + "\n");
    FCString name("utf8.txt");
    FCTextFileUTF8Stream stream(Folder(), &name);
    EXPECT_EQ(stream.ReadString(), nullptr);
    ASSERT_TRUE(stream.OpenRead());

    std::unique_ptr<FCString> line(stream.ReadString());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(UnitsOf(*line), (std::vector<int>{0x00E9, 0x000A}));
    line.reset(stream.ReadString());
    EXPECT_EQ(UnitsOf(*line), (std::vector<int>{'a', 0x000A}));

    // A line longer than 1023 bytes comes in pieces.
    line.reset(stream.ReadString());
    EXPECT_EQ(line->GetLength(), 1023);
    line.reset(stream.ReadString());
    EXPECT_EQ(line->GetLength(), 478);
    EXPECT_EQ(line->GetItemAt(477), 0x000A);
    EXPECT_EQ(stream.ReadString(), nullptr);

    // ReadStrings reads through the UTF-8 reader too.
    ASSERT_TRUE(stream.OpenRead());
    std::unique_ptr<FCStrings> lines(stream.ReadStrings());
    EXPECT_EQ(lines->GetCount(), 4);
    EXPECT_EQ(UnitsOf(*lines->GetItemAt(0)), (std::vector<int>{0x00E9, 0x000A}));
}

TEST_F(StreamFiles, WritesStringsAndTextInTheModeOpened)
{
    FCStrings list;
    list.Add(new FCString("a"));
    list.Add(new FCString("b\xE9"));
    FCString rawName = Name("raw.txt");
    FCTextFileStream raw(Folder(), &rawName);
    EXPECT_FALSE(raw.WriteStrings(&list));
    ASSERT_TRUE(raw.OpenFile("wb"));
    EXPECT_TRUE(raw.WriteStrings(&list));
    EXPECT_FALSE(raw.WriteStrings(nullptr));
    FCString text("end");
    EXPECT_EQ(raw.WriteText(&text), 3);
    EXPECT_EQ(raw.WriteText(nullptr), 0);
    raw.Close();
    EXPECT_EQ(Read("raw.txt"), "a\nb\xE9\nend");
    EXPECT_EQ(raw.WriteText(&text), 0);

    // OpenWrite empties the file and writes in text mode.
    FCString textName("text.txt");
    Write("text.txt", "previous content");
    FCTextFileStream inText(Folder(), &textName);
    ASSERT_TRUE(inText.OpenWrite());
    EXPECT_TRUE(inText.WriteStrings(&list));
    inText.Close();
    EXPECT_EQ(Read("text.txt"), "a\r\nb\xE9\r\n");
}

TEST_F(StreamFiles, WritesSettingsPairsByteForByte)
{
    FCSettingsPairs pairs;
    pairs.AddPair("size", "12");
    pairs.AddPair("title", "Drums");
    FCString name = Name("settings.txt");
    FCTextFileStream stream(Folder(), &name);
    EXPECT_FALSE(stream.WriteSettingsPairs(&pairs));
    ASSERT_TRUE(stream.OpenFile("wb"));
    EXPECT_FALSE(stream.WriteSettingsPairs(nullptr));
    EXPECT_TRUE(stream.WriteSettingsPairs(&pairs));
    stream.Close();
    EXPECT_EQ(Read("settings.txt"), "size=12\ntitle=Drums\n");
}

TEST_F(StreamFiles, OpeningAgainClosesTheFileOpenBefore)
{
    FCString name = Name("again.txt");
    FCTextFileStream stream(Folder(), &name);
    ASSERT_TRUE(stream.OpenFile("wb"));
    FCString text("first");
    stream.WriteText(&text);
    // The text sits in the first file's buffer until that file is closed.
    ASSERT_TRUE(stream.OpenRead());
    std::unique_ptr<FCString> line(stream.ReadString());
    ASSERT_NE(line, nullptr);
    EXPECT_STREQ(line->GetCString(), "first");
    EXPECT_TRUE(stream.Close());
    EXPECT_FALSE(stream.Close());
}

TEST_F(StreamFiles, DestroyingAStreamClosesItsFile)
{
    FCString name = Name("closed.txt");
    {
        FCTextFileStream stream(Folder(), &name);
        ASSERT_TRUE(stream.OpenFile("wb"));
        FCString text("kept");
        stream.WriteText(&text);
    }
    EXPECT_EQ(Read("closed.txt"), "kept");
    EXPECT_NE(DeleteFileA(PathOf("closed.txt").c_str()), 0);
}
