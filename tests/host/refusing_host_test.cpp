// FCUndoBlock and FCUI against a host that refuses every edit block and
// fills only the document window of its window information.
#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/string.h"
#include "host/record_bytes.h"
#include "host/service_wrappers.h"
#include "host/ui.h"
#include "host/undo_block.h"

namespace {
std::vector<std::string> g_undoTexts;
std::vector<long> g_versions;
int g_ends;
int g_cancels;
int g_infoCalls;
int g_infoCallsCleared;
}  // namespace

extern "C" long WINAPI RefusingStartFinaleEdit(const char* undoText, long version)
{
    g_undoTexts.push_back(undoText == nullptr ? "(null)" : undoText);
    g_versions.push_back(version);
    return 0;
}
extern "C" short WINAPI RefusingEndFinaleEdit(long)
{
    ++g_ends;
    return 1;
}
extern "C" void WINAPI RefusingCancelFinaleEdit(long)
{
    ++g_cancels;
}
// Counts the calls whose 274 bytes arrived cleared; writes the window only.
extern "C" short WINAPI ShortWindowInfo(void* info, long)
{
    ++g_infoCalls;
    const unsigned char* bytes = static_cast<const unsigned char*>(info);
    bool cleared = true;
    for (int i = 0; i < 274; ++i) {
        cleared = cleared && bytes[i] == 0;
    }
    g_infoCallsCleared += cleared ? 1 : 0;
    WriteU32(info, 260, 0x00054321);
    return 1;
}

namespace {

class Counter : public __FCUndoBlockHandler {
public:
    bool Execute() override
    {
        ++runs;
        return true;
    }
    int runs = 0;
};

// Leaves non-zero bytes where the next call's locals will lie.
void SoilStack()
{
    volatile unsigned char soil[4096];
    for (int i = 0; i < 4096; ++i) {
        soil[i] = 0xA5;
    }
    static_cast<void>(soil[0]);
}

TEST(RefusingHost, ARefusedStartRunsNothingAndLeavesTheDepthRaised)
{
    ASSERT_EQ(_FinaleEditDepth, 0);
    Counter handler;
    FCString name("Drumwell");
    FCUndoBlock block;
    EXPECT_FALSE(block.Execute(&handler, &name));
    EXPECT_EQ(handler.runs, 0);
    EXPECT_EQ(_FinaleEditDepth, 1);
    EXPECT_FALSE(block.Execute(&handler, &name));
    EXPECT_EQ(_FinaleEditDepth, 2);
    EXPECT_EQ(g_undoTexts, (std::vector<std::string>{"Drumwell", "Drumwell"}));
    EXPECT_EQ(g_versions, (std::vector<long>{0x0F000200, 0x0F000200}));
    EXPECT_EQ(g_ends, 0);
    EXPECT_EQ(g_cancels, 0);
}

TEST(RefusingHost, WindowInformationIsClearedWholeBeforeTheHostFillsIt)
{
    FCUI ui;
    SoilStack();
    EXPECT_FALSE(ui.IsPageView());
    SoilStack();
    EXPECT_EQ(ui.GetCurrentPage(), 0);
    SoilStack();
    EXPECT_EQ(ui.GetZoomLevel(), 0);
    SoilStack();
    EXPECT_EQ(ui.GetDocumentWindow(), reinterpret_cast<HWND>(0x00054321));
    EXPECT_EQ(g_infoCalls, 4);
    EXPECT_EQ(g_infoCallsCleared, 4);
}

}  // namespace
