// Browsers visit host records one at a time and keep none of them:
// __FCBrowserBase, __FCBrowserBaseData, __FCBrowserNoInciOther,
// __FCBrowserRegionBase.
#pragma once

#include <memory>

#include "framework/data/collection.h"
#include "framework/data/record_families.h"

class FCCell;
class FCMusicRegion;

class __FCBrowserBase : public __FCIteratorBase {
public:
    const char* ClassName() const override { return "__FCBrowserBase"; }
};

// Walks the records of one kind with a single element that a concrete
// browser makes in CreateElement.
class __FCBrowserBaseData : public __FCBrowserBase {
public:
    const char* ClassName() const override { return "__FCBrowserBaseData"; }
    // From the element's LoadFirst on; the number of true Iterate answers.
    int ForEach(FCIteratorHandler* handler) override;
    // The first record that matches; the caller owns it.
    __FCBase* FindFirst(FCIteratorHandler* handler) override;
    // A new, empty record of the kind browsed; the browser destroys it.
    virtual __FCBaseData* CreateElement() = 0;

protected:
    // Visits the loaded element and the records after it; the element
    // (possibly null or not loaded) is destroyed afterwards.
    static int _Visit(FCIteratorHandler* handler, std::unique_ptr<__FCBaseData> element, bool loaded);
};

// Records numbered by item number (__FCNoInciOther).
class __FCBrowserNoInciOther : public __FCBrowserBaseData {
public:
    const char* ClassName() const override { return "__FCBrowserNoInciOther"; }
    // The record with the item number, which the caller owns; null when it
    // does not load.
    __FCNoInciOther* CreateLoadedElement(unsigned short item);
    // As ForEach, from the record with the item number on.
    int ToEndFrom(unsigned short item, FCIteratorHandler* handler);
    // The records from item number 1 on.
    int GetCount();
};

// Visits the cells of a region, measure by measure and staff by staff
// (region_loading.cpp).
class __FCBrowserRegionBase : public __FCBrowserBase {
public:
    const char* ClassName() const override { return "__FCBrowserRegionBase"; }
    // Every cell of the document.
    int ForEach(FCIteratorHandler* handler) override;
    // The number of cells whose visit went on.
    int ForEachInRegion(FCIteratorHandler* handler, FCMusicRegion* region);

protected:
    // What a concrete browser does with one cell; false stops the walk.
    virtual bool _VisitCell(FCCell* cell, FCIteratorHandler* handler, FCMusicRegion* region) = 0;
};
