// The record browsers' walks and searches.
#include "framework/data/browsers.h"

int __FCBrowserBaseData::_Visit(FCIteratorHandler* handler, std::unique_ptr<__FCBaseData> element, bool loaded)
{
    int count = 0;
    if (loaded && handler->PreProcessIfExist()) {
        while (handler->Iterate(element.get())) {
            ++count;
            if (!element->LoadNext()) {
                break;
            }
        }
        handler->PostProcessIfExist();
    }
    handler->PostProcess();
    return count;
}

int __FCBrowserBaseData::ForEach(FCIteratorHandler* handler)
{
    if (!handler->PreProcess()) {
        return 0;
    }
    std::unique_ptr<__FCBaseData> element(CreateElement());
    bool loaded = element != nullptr && element->LoadFirst();
    return _Visit(handler, std::move(element), loaded);
}

__FCBase* __FCBrowserBaseData::FindFirst(FCIteratorHandler* handler)
{
    if (!handler->PreProcess()) {
        return nullptr;
    }
    std::unique_ptr<__FCBaseData> element(CreateElement());
    if (element != nullptr && element->LoadFirst() && handler->PreProcessIfExist()) {
        do {
            if (handler->Match(element.get())) {
                handler->PostProcessIfExist();
                return element.release();
            }
        } while (element->LoadNext());
    }
    handler->PostProcess();
    return nullptr;
}

__FCNoInciOther* __FCBrowserNoInciOther::CreateLoadedElement(unsigned short item)
{
    std::unique_ptr<__FCNoInciOther> element = TakeRecordAs<__FCNoInciOther>(CreateElement());
    if (element == nullptr || !element->Load(item)) {
        return nullptr;
    }
    return element.release();
}

int __FCBrowserNoInciOther::ToEndFrom(unsigned short item, FCIteratorHandler* handler)
{
    if (!handler->PreProcess()) {
        return 0;
    }
    std::unique_ptr<__FCNoInciOther> element = TakeRecordAs<__FCNoInciOther>(CreateElement());
    bool loaded = element != nullptr && element->Load(item);
    return _Visit(handler, std::move(element), loaded);
}

int __FCBrowserNoInciOther::GetCount()
{
    FCIteratorHandler everyRecord;
    return ToEndFrom(1, &everyRecord);
}
