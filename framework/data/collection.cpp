// The owning list: growth in steps of ten, walks, searches and the exchange sort.
#include "framework/data/collection.h"

__FCCollection::~__FCCollection()
{
    _FreeElements();
    delete[] _elements;
    _elements = nullptr;
    _count = 0;
    _capacity = 0;
}

void __FCCollection::_RequireElement(int more)
{
    if (more <= 0) {
        return;
    }
    int needed = _count + more;
    if (_capacity >= needed) {
        return;
    }
    int capacity = (needed + 10) / 10 * 10;
    __FCBase** elements = new __FCBase*[capacity];
    for (int i = 0; i < capacity; ++i) {
        elements[i] = i < _count ? _elements[i] : nullptr;
    }
    delete[] _elements;
    _elements = elements;
    _capacity = capacity;
}

void __FCCollection::_FreeElements()
{
    for (int i = 0; i < _capacity; ++i) {
        delete _elements[i];
        _elements[i] = nullptr;
    }
}

void __FCCollection::ClearAll()
{
    _FreeElements();
    _count = 0;
}

void __FCCollection::Add(__FCBase* element)
{
    _RequireElement(1);
    _elements[_count++] = element;
}

void __FCCollection::InsertItemAt(__FCBase* element, int index)
{
    if (index >= _count) {
        Add(element);
        return;
    }
    if (index < 0) {
        index = 0;
    }
    _RequireElement(1);
    for (int i = _count; i > index; --i) {
        _elements[i] = _elements[i - 1];
    }
    _elements[index] = element;
    ++_count;
}

__FCBase* __FCCollection::GetItemAt(int index) const
{
    return index >= 0 && index < _count ? _elements[index] : nullptr;
}

bool __FCCollection::DeleteItemAt(int index)
{
    if (index < 0 || index >= _count) {
        return false;
    }
    for (int i = index; i < _count - 1; ++i) {
        _elements[i] = _elements[i + 1];
    }
    _elements[--_count] = nullptr;
    return true;
}

bool __FCCollection::ElementExists(const __FCBase* element) const
{
    return GetIndexOf(element) != -1;
}

int __FCCollection::GetIndexOf(const __FCBase* element) const
{
    for (int i = 0; i < _count; ++i) {
        if (_elements[i] == element) {
            return i;
        }
    }
    return -1;
}

__FCBase* __FCCollection::FindUserData(const void* data) const
{
    for (int i = 0; i < _count; ++i) {
        if (_elements[i] != nullptr && _elements[i]->GetUserData() == data) {
            return _elements[i];
        }
    }
    return nullptr;
}

int __FCCollection::Walk(int start, FCIteratorHandler* handler, bool withIndex)
{
    int visited = 0;
    // The count is re-read on every round: a handler may append elements.
    for (int i = start < 0 ? 0 : start; i < _count; ++i) {
        __FCBase* element = _elements[i];
        if (element == nullptr) {
            continue;
        }
        bool go_on = withIndex ? handler->IterateIndex(element, i) : handler->Iterate(element);
        if (!go_on) {
            break;
        }
        ++visited;
    }
    return visited;
}

int __FCCollection::ForEach(FCIteratorHandler* handler)
{
    return Walk(0, handler, false);
}

int __FCCollection::ForEachIndex(FCIteratorHandler* handler)
{
    return Walk(0, handler, true);
}

int __FCCollection::ToEndFrom(int start, FCIteratorHandler* handler)
{
    return Walk(start, handler, false);
}

__FCBase* __FCCollection::FindFirst(FCIteratorHandler* handler)
{
    for (int i = 0; i < _count; ++i) {
        if (_elements[i] != nullptr && handler->Match(_elements[i])) {
            return _elements[i];
        }
    }
    return nullptr;
}

void __FCCollection::Sort(FCIteratorHandler* handler)
{
    for (int i = 0; i < _count - 1; ++i) {
        for (int j = i + 1; j < _count; ++j) {
            __FCBase* first = _elements[i];
            __FCBase* second = _elements[j];
            if (first == nullptr || second == nullptr) {
                continue;
            }
            if (handler->Compare(first, second) > 0) {
                _elements[i] = second;
                _elements[j] = first;
            }
        }
    }
}
