// Owning lists of framework objects and the callback object that walks,
// searches and sorts them: __FCIteratorBase, FCIteratorHandler, __FCCollection.
#pragma once

#include "framework/data/base.h"

class FCIteratorHandler;

class __FCIteratorBase : public __FCBase {
public:
    const char* ClassName() const override { return "__FCIteratorBase"; }
    virtual int ForEach(FCIteratorHandler* handler) = 0;
    virtual __FCBase* FindFirst(FCIteratorHandler* handler) = 0;
};

// Derive and override what a walk needs: Iterate to visit (false stops),
// Match to search, Compare to sort (> 0 when the first comes after the second).
class FCIteratorHandler : public __FCBase {
public:
    const char* ClassName() const override { return "FCIteratorHandler"; }
    virtual bool Iterate(__FCBase*) { return true; }
    virtual bool SecondPassIterate(__FCBase*) { return false; }
    virtual bool IterateIndex(__FCBase*, int) { return true; }
    virtual bool Match(__FCBase*) { return false; }
    virtual int Compare(__FCBase*, __FCBase*) { return 0; }
    virtual bool PreProcess() { return true; }
    virtual bool PreProcessIfExist() { return true; }
    virtual void PostProcess() {}
    virtual void PostProcessIfExist() {}
};

class __FCCollection : public __FCIteratorBase {
public:
    __FCCollection() = default;
    __FCCollection(const __FCCollection&) = delete;
    __FCCollection& operator=(const __FCCollection&) = delete;

    const char* ClassName() const override { return "__FCCollection"; }
    // Walks from index 0, skipping null slots and re-reading the count after
    // each visit; answers how many visits returned true.
    int ForEach(FCIteratorHandler* handler) override;
    __FCBase* FindFirst(FCIteratorHandler* handler) override;
    ~__FCCollection() override;
    virtual int ForEachIndex(FCIteratorHandler* handler);

    int GetCount() const { return _count; }
    // The collection owns what is added.
    void Add(__FCBase* element);
    void InsertItemAt(__FCBase* element, int index);
    __FCBase* GetItemAt(int index) const;
    // Takes the element out without destroying it; the caller owns it then.
    bool DeleteItemAt(int index);
    bool ElementExists(const __FCBase* element) const;
    int GetIndexOf(const __FCBase* element) const;
    __FCBase* FindUserData(const void* data) const;
    int ToEndFrom(int start, FCIteratorHandler* handler);
    // Exchange sort in place by the handler's Compare; not stable.
    void Sort(FCIteratorHandler* handler);
    // Destroys every element and empties the list (count 0).
    void ClearAll();

    void _RequireElement(int more);
    // Destroys the elements and nulls their slots; the caller resets the count.
    void _FreeElements();
    int _GetCapacity() const { return _capacity; }

protected:
    void _SetCount(int count) { _count = count; }

private:
    int Walk(int start, FCIteratorHandler* handler, bool withIndex);

    int _count = 0;
    int _capacity = 0;
    __FCBase** _elements = nullptr;
};
