// The workbench's services on the cells' music: frames handed out, measured
// and taken back. The layers shown are read through FCCell.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "tests/workbench/test_documents.h"
#include "workbench/document_printer.h"
#include "workbench/host_services.h"

namespace {

using workbench::Workbench;

constexpr long kVersion = 0x0F000200;

const char kScore[] =
    "<measures count='2'/><staff number='4'/><staff number='9' independentKeys='yes'/>"
    "<cell staff='9' measures='2'><layer number='1' entries='q e 100'/><layer number='3' entries='w'/></cell>";

unsigned Word(const void* record, int offset)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(record);
    return bytes[offset] | (bytes[offset + 1] << 8);
}

unsigned long Long(const void* record, int offset)
{
    return Word(record, offset) | (static_cast<unsigned long>(Word(record, offset + 2)) << 16);
}

TEST(FrameServices, FramesAreHandedOutMeasuredAndTakenBackOnce)
{
    workbench::Document& document = OpenOnly(kScore);
    // Staff 9 is in slot 2.
    void* frame = HostLoadTGF(0, 2, 2, 0, 1, kVersion);
    ASSERT_NE(frame, nullptr);
    ASSERT_EQ(Word(frame, 18), 3u);
    const unsigned char* entries =
        reinterpret_cast<const unsigned char*>(static_cast<std::uintptr_t>(Long(frame, 14)));
    ASSERT_NE(entries, nullptr);
    EXPECT_EQ(Long(entries, 0), 1024u);
    EXPECT_EQ(Long(entries, 146), 512u);
    EXPECT_EQ(Long(entries, 292), 100u);
    EXPECT_EQ(HostGetTGFDuration(frame, kVersion), 1636);

    // Staff 4 has no music, nor has measure 1 or layer 2; no slot 3; only the global list.
    EXPECT_EQ(HostLoadTGF(0, 1, 2, 0, 1, kVersion), nullptr);
    EXPECT_EQ(HostLoadTGF(0, 2, 1, 0, 1, kVersion), nullptr);
    EXPECT_EQ(HostLoadTGF(0, 2, 2, 1, 1, kVersion), nullptr);
    EXPECT_EQ(HostLoadTGF(0, 3, 2, 0, 1, kVersion), nullptr);
    EXPECT_EQ(HostLoadTGF(1, 2, 2, 0, 1, kVersion), nullptr);
    // Layers the host does not have are never shown.
    EXPECT_EQ(HostGetShowLayer(-1, kVersion) + HostGetShowLayer(4, kVersion), 0);
    void* whole = HostLoadTGF(0, 2, 2, 2, 1, kVersion);
    ASSERT_NE(whole, nullptr);
    EXPECT_NE(whole, frame);
    EXPECT_EQ(HostGetTGFDuration(whole, kVersion), 4096);
    EXPECT_EQ(document.framesOut.size(), 2u);
    EXPECT_NE(workbench::DescribeMusic(document).find("  frames out: 2\n"), std::string::npos);

    // The duration is that of the entries as they stand, and never wraps.
    unsigned char* writable = const_cast<unsigned char*>(entries);
    std::memset(writable, 0xFF, 4);
    std::memset(writable + 146, 0xFF, 4);
    EXPECT_EQ(HostGetTGFDuration(frame, kVersion), 0x7FFFFFFF);

    // A frame of a document that is no longer current is still taken back.
    Workbench::Instance().Open(std::make_unique<workbench::Document>());
    EXPECT_EQ(HostFreeTGF(frame, kVersion), 1);
    EXPECT_EQ(HostFreeTGF(frame, kVersion), 0);
    EXPECT_EQ(HostGetTGFDuration(frame, kVersion), 0);
    int notHandedOut = 0;
    EXPECT_EQ(HostFreeTGF(&notHandedOut, kVersion), 0);
    EXPECT_EQ(HostGetTGFDuration(&notHandedOut, kVersion), 0);
    EXPECT_EQ(document.framesOut.size(), 1u);
    EXPECT_EQ(HostFreeTGF(whole, kVersion), 1);
    EXPECT_TRUE(document.framesOut.empty());
}

}  // namespace
