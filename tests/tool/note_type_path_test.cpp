// The note type table's location as a host of our own reports it.
#include <windows.h>

#include <algorithm>
#include <cstring>

#include <gtest/gtest.h>

#include "host/host_records.h"
#include "tool/block_handler.h"

namespace {
const char* g_path = "";
int g_calls = 0;
}  // namespace

extern "C" short WINAPI PathHostGetFinalePath(long kind, FinPathSpec2009* path, long)
{
    ++g_calls;
    if (kind != 14 || g_path == nullptr) {
        return 0;
    }
    // Whatever does not fit is cut, without a NUL when the path fills the record.
    std::memset(path->bytes, 0, sizeof path->bytes);
    std::memcpy(path->bytes, g_path, std::min(std::strlen(g_path), sizeof path->bytes));
    return 1;
}

namespace {

bool ReadFrom(const char* path)
{
    g_path = path;
    _PercussionNoteTypes.ClearAll();
    FCDrumwellBlockHandler handler(nullptr, nullptr, nullptr, nullptr, nullptr);
    return handler.ReadPercNoteTypesFile();
}

TEST(NoteTypeLocation, NeedsAFileNameAfterABackslash)
{
    EXPECT_FALSE(ReadFrom(nullptr));
    EXPECT_FALSE(ReadFrom("types.txt"));
    EXPECT_FALSE(ReadFrom("C:\\windows\\"));
    EXPECT_FALSE(ReadFrom("C:\\no such folder\\types.txt"));
    EXPECT_EQ(g_calls, 4);
}

TEST(NoteTypeLocation, APathFillingTheWholeRecordIsReadNoFurther)
{
    // 260 bytes without a NUL: the reader must stop at the record's end.
    static char full[261];
    std::memset(full, 'a', 260);
    full[3] = '\\';
    full[260] = '\0';
    EXPECT_FALSE(ReadFrom(full));
}

}  // namespace
