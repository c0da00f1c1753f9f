// Record services against a host that has only a scripted load and the alert
// service: the missing services, a load that fills but reports failure, and
// the arguments of the developer warning.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "host/record_bytes.h"
#include "host/service_wrappers.h"

namespace {

struct Alert {
    long a;
    unsigned b;
    long c;
    std::string message;
    long version;
};
std::vector<Alert> g_alerts;

int g_loads;
unsigned long g_loaded_version;
// What the scripted load writes to the buffer at offset 5 before it fails.
unsigned char g_written_before_failing;

}  // namespace

extern "C" short WINAPI QuirkLoadEData(unsigned long, void*, void* buffer, long*, unsigned long version)
{
    ++g_loads;
    g_loaded_version = version;
    if (buffer != nullptr && g_written_before_failing != 0) {
        static_cast<unsigned char*>(buffer)[5] = g_written_before_failing;
    }
    return 0;
}

extern "C" short WINAPI QuirkAlertMessage(long a, unsigned short b, long c, const char* message, long version)
{
    g_alerts.push_back(Alert{a, b, c, message == nullptr ? "" : message, version});
    return 1;
}

namespace {

constexpr unsigned long kCleared48 = 0x4F044958;

TEST(RecordHostQuirks, MissingRecordServicesAnswerZeroAndLeaveTheirArguments)
{
    unsigned char key[8] = {3, 0, 4, 0};
    unsigned char buffer[24];
    std::memset(buffer, 0xEE, sizeof buffer);
    long size = 24;
    EXPECT_EQ(FX_SaveEData(0x534F4D53, key, buffer, 24, 0x0F000200), 0);
    EXPECT_EQ(FX_CreateEData(0x534F4D53, key, buffer, 24, 0x0F000200), 0);
    EXPECT_EQ(FX_DeleteEData(0x534F4D53, key, 0x0F000200), 0);
    EXPECT_EQ(FX_NextEData(0x534F4D53, key, buffer, &size, 0x0F000200), 0);
    EXPECT_EQ(FX_PreviousEData(0x534F4D53, key, buffer, &size, 0x0F000200), 0);
    EXPECT_EQ(size, 24);
    EXPECT_EQ(ReadU16(key, 0), 3u);
    EXPECT_EQ(ReadU16(key, 2), 4u);
    EXPECT_EQ(buffer[0], 0xEE);

}

TEST(RecordHostQuirks, PreferenceSavesTheHostRefusesFail)
{
    // A run's records all go to the host; none can be saved.
    unsigned char run[24] = {};
    unsigned char any[8] = {};
    EXPECT_EQ(FX_SaveEData(0x70664D4D, any, run, 24, 0x0F000200), 0);

    // The "other" records read as zeros: an all-zero structure changes
    // nothing and needs no save, a changed field needs one that fails.
    unsigned char braces[44] = {};
    EXPECT_EQ(FX_SaveEData(0x70665042, any, braces, 44, 0x0F000200), 1);
    WriteU32(braces, 40, 7);
    EXPECT_EQ(FX_SaveEData(0x70665042, any, braces, 44, 0x0F000200), 0);
}

TEST(RecordHostQuirks, PartlyFilledRecordCountsAsLoadedWhenTheHostWroteIt)
{
    unsigned char key[8] = {1, 0};
    unsigned char buffer[48];
    std::memset(buffer, 0xEE, sizeof buffer);
    long size = 48;
    g_loads = 0;
    g_written_before_failing = 0;
    EXPECT_EQ(FX_LoadEData(kCleared48, key, buffer, &size, 0x0F000200), 0);
    EXPECT_EQ(buffer[5], 0);
    EXPECT_EQ(buffer[47], 0);

    g_written_before_failing = 0x11;
    EXPECT_EQ(FX_LoadEData(kCleared48, key, buffer, &size, 0x0F000200), 1);
    EXPECT_EQ(buffer[5], 0x11);
    EXPECT_EQ(buffer[6], 0);
    EXPECT_EQ(g_loads, 2);
    g_written_before_failing = 0;
}

TEST(RecordHostQuirks, DeveloperWarningCarriesThreeZerosAndTheInterfaceVersion)
{
    g_alerts.clear();
    unsigned char key[8] = {1, 0};
    long size = 10;
    unsigned char buffer[10];
    EXPECT_EQ(FX_LoadEData(0x53444746, key, buffer, &size, 0x05000000), 0);
    EXPECT_EQ(g_loaded_version, 0x09000000u);
    ASSERT_EQ(g_alerts.size(), 1u);
    EXPECT_EQ(g_alerts[0].a, 0);
    EXPECT_EQ(g_alerts[0].b, 0u);
    EXPECT_EQ(g_alerts[0].c, 0);
    EXPECT_EQ(g_alerts[0].message, "Warning to plug-in developer: EDTGfhold2004 used with wrong version parameter");
    EXPECT_EQ(g_alerts[0].version, 0x0F000200);

    // The warning goes out also when the host cannot save the record.
    unsigned char text[26] = {};
    EXPECT_EQ(FX_SaveEData(0x534F5458, key, text, 26, 0x08000000), 0);
    ASSERT_EQ(g_alerts.size(), 2u);
    EXPECT_EQ(g_alerts[1].message, "Warning to plug-in developer: EDTTextBlock2004 used with wrong version parameter");
}

}  // namespace
