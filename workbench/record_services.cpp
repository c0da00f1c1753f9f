// The record services on the current document's store. Every call is logged
// with the tag, key, size and version it brought.
#include "workbench/document_queries.h"
#include "workbench/document_store.h"
#include "workbench/host_layouts.h"
#include "workbench/host_services.h"
#include "workbench/workbench.h"

namespace workbench {
namespace {

DocumentStore* CurrentStore()
{
    Document* document = Workbench::Instance().Current();
    return document == nullptr ? nullptr : &document->records;
}

void Log(const char* service, unsigned long tag, const void* key, long size, unsigned long version)
{
    Workbench::Instance().Log(
        ServiceCall{service, tag, key == nullptr ? RecordKey{} : RecordKey::FromMemory(key), size, version});
}

// Next and previous move the key; with a buffer they also load the record.
short Step(bool forward, unsigned long tag, void* key, void* buffer, long* size)
{
    DocumentStore* store = CurrentStore();
    if (store == nullptr || key == nullptr) {
        return 0;
    }
    RecordKey moved = RecordKey::FromMemory(key);
    if (!(forward ? store->Next(tag, &moved) : store->Previous(tag, &moved))) {
        return 0;
    }
    moved.ToMemory(key);
    if (size != nullptr) {
        store->Load(tag, moved, buffer, size);
    }
    return 1;
}

}  // namespace
}  // namespace workbench

using namespace workbench;

extern "C" short WINAPI HostLoadEData(unsigned long tag, void* key, void* buffer, long* size, unsigned long version)
{
    Log("FX_LoadEData", tag, key, size == nullptr ? 0 : *size, version);
    Document* document = Workbench::Instance().Current();
    if (document == nullptr || key == nullptr || size == nullptr) {
        return 0;
    }
    if (document->records.Load(tag, RecordKey::FromMemory(key), buffer, size)) {
        return 1;
    }
    // The staff in effect at a cell position is the staff itself, unless
    // the document holds a record for that position.
    const int staff = tag == staff_record::kSpecTag ? StaffAtPosition(*document, RecordKey::FromMemory(key)) : 0;
    if (staff == 0) {
        return 0;
    }
    return document->records.Load(staff_record::kTag, RecordKey::FromNumbers(static_cast<unsigned>(staff)), buffer,
                                  size)
               ? 1
               : 0;
}

extern "C" short WINAPI HostSaveEData(unsigned long tag, void* key, const void* buffer, long size,
                                      unsigned long version)
{
    Log("FX_SaveEData", tag, key, size, version);
    DocumentStore* store = CurrentStore();
    if (store == nullptr || key == nullptr) {
        return 0;
    }
    return store->Save(tag, RecordKey::FromMemory(key), buffer, size) ? 1 : 0;
}

extern "C" short WINAPI HostCreateEData(unsigned long tag, void* key, const void* buffer, long size,
                                        unsigned long version)
{
    Log("FX_CreateEData", tag, key, size, version);
    DocumentStore* store = CurrentStore();
    if (store == nullptr || key == nullptr) {
        return 0;
    }
    RecordKey created = RecordKey::FromMemory(key);
    if (!store->Create(tag, &created, buffer, size)) {
        return 0;
    }
    created.ToMemory(key);
    return 1;
}

extern "C" short WINAPI HostDeleteEData(unsigned long tag, void* key, unsigned long version)
{
    Log("FX_DeleteEData", tag, key, 0, version);
    DocumentStore* store = CurrentStore();
    if (store == nullptr || key == nullptr) {
        return 0;
    }
    return store->Delete(tag, RecordKey::FromMemory(key)) ? 1 : 0;
}

extern "C" short WINAPI HostNextEData(unsigned long tag, void* key, void* buffer, long* size, unsigned long version)
{
    Log("FX_NextEData", tag, key, size == nullptr ? 0 : *size, version);
    return Step(true, tag, key, buffer, size);
}

extern "C" short WINAPI HostPreviousEData(unsigned long tag, void* key, void* buffer, long* size,
                                          unsigned long version)
{
    Log("FX_PreviousEData", tag, key, size == nullptr ? 0 : *size, version);
    return Step(false, tag, key, buffer, size);
}
