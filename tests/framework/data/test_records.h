// Small record classes of every family and a fixture that opens a workbench
// document for them and reads the host's call log back as text.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/fixed_size_record.h"
#include "framework/data/record_families.h"
#include "host/service_wrappers.h"
#include "workbench/workbench.h"

namespace test_records {

constexpr unsigned long kItemTag = 0x6F745449;    // o, t, T, I
constexpr unsigned long kInciTag = 0x6F745443;    // o, t, T, C
constexpr unsigned long kTextTag = 0x74785445;    // t, x, T, E
constexpr unsigned long kPairTag = 0x64745450;    // d, t, T, P
constexpr unsigned long kCellTag = 0x64745443;    // d, t, T, C
constexpr unsigned long kSingleTag = 0x64745453;  // d, t, T, S
constexpr unsigned long kGlobalTag = 0x67745447;  // g, t, T, G

// Counts the objects alive, so a test sees what a load destroyed.
template <typename Counted>
struct LiveCount {
    static int alive;
    LiveCount() { ++alive; }
    ~LiveCount() { --alive; }
};
template <typename Counted>
int LiveCount<Counted>::alive = 0;

// A 12-byte record numbered by item number; the custom tag replaces its tag.
class Item : public FixedSizeRecord<Item, __FCNoInciOther, 12>, public LiveCount<Item> {
public:
    unsigned long Tag() override { return GetCustomTag() != 0 ? GetCustomTag() : kItemTag; }
    unsigned char GetByte(int offset) const { return _GetBlock()[offset]; }
    void SetByte(int offset, unsigned char value) { _GetBlock()[offset] = value; }
};

// A record that claims more bytes to save than its block holds.
class BoastingItem : public FixedSizeRecord<BoastingItem, __FCNoInciOther, 12> {
public:
    unsigned long Tag() override { return kItemTag; }
    int DataSizeSave() const override { return 50; }
};

// A 12-byte record numbered by comparison number and inci.
class Inci : public FixedSizeRecord<Inci, __FCInciOther, 12>, public LiveCount<Inci> {
public:
    unsigned long Tag() override { return GetCustomTag() != 0 ? GetCustomTag() : kInciTag; }
    unsigned char GetByte(int offset) const { return _GetBlock()[offset]; }
};

// A record as large as the host says, in a heap buffer of its own. Sizes put
// into `sizeAnswers` are answered before the host is asked, as a host would
// whose answer changes between two questions.
class Text : public __FCNoInciOther {
public:
    ~Text() override { Deallocate(); }
    unsigned long Tag() override { return kTextTag; }
    bool IsDynamicSize() const override { return true; }
    __FCBaseData* CreateObject() override { return new Text; }
    int DataSizeLoad() override
    {
        if (!sizeAnswers.empty()) {
            int size = sizeAnswers.front();
            sizeAnswers.erase(sizeAnswers.begin());
            return size;
        }
        long size = 0;
        return FX_LoadEData(Tag(), _GetKey(), nullptr, &size, EnigmaVersion()) != 0 ? static_cast<int>(size) : 0;
    }
    void* Allocate() override
    {
        Deallocate();
        int size = DataSizeLoad();
        _heap = new unsigned char[size > 0 ? size : 1];
        _SetBufferSize(size);
        return _heap;
    }
    void Deallocate() override
    {
        if (_heap != nullptr) {
            ++releases;
        }
        delete[] _heap;
        _heap = nullptr;
        _SetBuffer(nullptr);
    }

    std::vector<int> sizeAnswers;
    int releases = 0;

private:
    unsigned char* _heap = nullptr;
};

// Numbered by two comparison numbers.
class Pair : public FixedSizeRecord<Pair, __FCNoInciDetail, 6>, public LiveCount<Pair> {
public:
    unsigned long Tag() override { return kPairTag; }
};

// Several 8-byte records per cell.
class CellNote : public FixedSizeRecord<CellNote, __FCCellDetail, 8>, public LiveCount<CellNote> {
public:
    unsigned long Tag() override { return kCellTag; }
    unsigned char GetByte(int offset) const { return _GetBlock()[offset]; }
};

// One record per cell.
class CellSingle : public FixedSizeRecord<CellSingle, __FCNoInciCellDetail, 4> {
public:
    unsigned long Tag() override { return kSingleTag; }
};

class PlainInci : public FixedSizeRecord<PlainInci, __FCInci, 4> {
public:
    unsigned long Tag() override { return kInciTag; }
    bool LoadFirst() override { return false; }
};

class Global : public FixedSizeRecord<Global, __FCGlobals, 4> {
public:
    unsigned long Tag() override { return kGlobalTag; }
    bool LoadFirst() override { return Load(0); }
};

// Opens an empty document for each test and clears the host's call log.
class RecordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        workbench::Workbench& host = workbench::Workbench::Instance();
        host.CloseAll();
        _document = &host.Open(std::make_unique<workbench::Document>());
        host.ClearCalls();
    }
    void TearDown() override { workbench::Workbench::Instance().CloseAll(); }

    void Put(unsigned long tag, unsigned a, unsigned b, unsigned c, workbench::Bytes bytes)
    {
        _document->records.Put(tag, workbench::RecordKey::FromNumbers(a, b, c), std::move(bytes));
    }
    const workbench::Bytes* Find(unsigned long tag, unsigned a, unsigned b = 0, unsigned c = 0) const
    {
        return _document->records.Find(tag, workbench::RecordKey::FromNumbers(a, b, c));
    }
    // Every call since the last look, as "service key0.key1.key2 size".
    std::vector<std::string> TakeCalls()
    {
        std::vector<std::string> calls;
        for (const workbench::ServiceCall& call : workbench::Workbench::Instance().Calls()) {
            char line[96];
            std::snprintf(line, sizeof line, "%s %u.%u.%u %ld", call.service, call.key.Number(0), call.key.Number(1),
                          call.key.Number(2), call.size);
            calls.push_back(line);
        }
        workbench::Workbench::Instance().ClearCalls();
        return calls;
    }

    workbench::Document* _document = nullptr;
};

}  // namespace test_records
