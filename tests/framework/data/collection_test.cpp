// The owning list: growth in steps of ten, walks, searches, the exchange
// sort, insertion and removal at the edges, and destruction of elements.
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/data/collection.h"

namespace {

// An element with a number to sort by that reports its destruction.
class Element : public __FCBase {
public:
    explicit Element(int key, std::vector<int>* destroyed = nullptr) : key(key), _destroyed(destroyed) {}
    ~Element() override
    {
        if (_destroyed != nullptr) {
            _destroyed->push_back(key);
        }
    }
    int key;

private:
    std::vector<int>* _destroyed;
};

int KeyOf(__FCBase* element)
{
    return static_cast<Element*>(element)->key;
}

std::vector<int> Keys(const __FCCollection& collection)
{
    std::vector<int> keys;
    for (int i = 0; i < collection.GetCount(); ++i) {
        __FCBase* element = collection.GetItemAt(i);
        keys.push_back(element == nullptr ? -1 : KeyOf(element));
    }
    return keys;
}

// Records what it was shown; stops at the element with key `stopAt`.
class Recorder : public FCIteratorHandler {
public:
    bool Iterate(__FCBase* element) override
    {
        seen.push_back(KeyOf(element));
        return KeyOf(element) != stopAt;
    }
    bool IterateIndex(__FCBase* element, int index) override
    {
        seen.push_back(KeyOf(element) * 100 + index);
        return true;
    }
    bool Match(__FCBase* element) override { return KeyOf(element) == wanted; }
    int Compare(__FCBase* first, __FCBase* second) override
    {
        ++compares;
        return KeyOf(first) - KeyOf(second);
    }
    std::vector<int> seen;
    int stopAt = -1;
    int wanted = -1;
    int compares = 0;
};

TEST(Collection, GrowsInStepsOfTenWhenTheFirstEleventhAndTwentyFirstArrive)
{
    __FCCollection collection;
    EXPECT_EQ(collection._GetCapacity(), 0);
    std::vector<int> capacities;
    for (int i = 1; i <= 21; ++i) {
        collection.Add(new Element(i));
        capacities.push_back(collection._GetCapacity());
    }
    EXPECT_EQ(capacities[0], 10);
    EXPECT_EQ(capacities[8], 10);
    EXPECT_EQ(capacities[9], 10);  // a full array is allowed
    EXPECT_EQ(capacities[10], 20);
    EXPECT_EQ(capacities[19], 20);
    EXPECT_EQ(capacities[20], 30);
    EXPECT_EQ(collection.GetCount(), 21);
    EXPECT_EQ(KeyOf(collection.GetItemAt(20)), 21);

    collection._RequireElement(0);
    collection._RequireElement(-5);
    EXPECT_EQ(collection._GetCapacity(), 30);
    collection._RequireElement(10);
    EXPECT_EQ(collection._GetCapacity(), 40);
    EXPECT_EQ(collection.GetCount(), 21);
    // A needed count that is a multiple of ten: filled exactly, and beyond
    // it the next multiple strictly above.
    collection._RequireElement(19);
    EXPECT_EQ(collection._GetCapacity(), 40);
    collection._RequireElement(29);
    EXPECT_EQ(collection._GetCapacity(), 60);
    EXPECT_EQ(KeyOf(collection.GetItemAt(20)), 21);
}

TEST(Collection, WalksSkipNullSlotsStopOnFalseAndSeeAppendedElements)
{
    Recorder recorder;
    __FCCollection empty;
    EXPECT_EQ(empty.ForEach(&recorder), 0);
    EXPECT_TRUE(recorder.seen.empty());

    __FCCollection collection;
    for (int key : {1, 2, 3, 4}) {
        collection.Add(new Element(key));
    }
    recorder.stopAt = 3;
    EXPECT_EQ(collection.ForEach(&recorder), 2);
    EXPECT_EQ(recorder.seen, (std::vector<int>{1, 2, 3}));

    collection.InsertItemAt(nullptr, 1);
    recorder.seen.clear();
    recorder.stopAt = -1;
    EXPECT_EQ(collection.ForEach(&recorder), 4);
    EXPECT_EQ(recorder.seen, (std::vector<int>{1, 2, 3, 4}));

    recorder.seen.clear();
    EXPECT_EQ(collection.ForEachIndex(&recorder), 4);
    EXPECT_EQ(recorder.seen, (std::vector<int>{100, 202, 303, 404}));

    recorder.seen.clear();
    EXPECT_EQ(collection.ToEndFrom(3, &recorder), 2);
    EXPECT_EQ(recorder.seen, (std::vector<int>{3, 4}));
    EXPECT_EQ(collection.ToEndFrom(9, &recorder), 0);

    // A handler that appends while walking has its new elements visited.
    class Appender : public FCIteratorHandler {
    public:
        explicit Appender(__FCCollection* collection) : _collection(collection) {}
        bool Iterate(__FCBase* element) override
        {
            if (KeyOf(element) < 3) {
                _collection->Add(new Element(KeyOf(element) + 10));
            }
            return true;
        }

    private:
        __FCCollection* _collection;
    };
    __FCCollection growing;
    growing.Add(new Element(1));
    growing.Add(new Element(2));
    Appender appender(&growing);
    EXPECT_EQ(growing.ForEach(&appender), 4);
    EXPECT_EQ(Keys(growing), (std::vector<int>{1, 2, 11, 12}));
}

TEST(Collection, ExchangeSortSwapsEqualKeysAsItCompares)
{
    __FCCollection collection;
    auto* firstTwo = new Element(2);
    auto* secondTwo = new Element(2);
    collection.Add(firstTwo);
    collection.Add(secondTwo);
    collection.Add(new Element(1));
    Recorder recorder;
    collection.Sort(&recorder);
    EXPECT_EQ(Keys(collection), (std::vector<int>{1, 2, 2}));
    EXPECT_EQ(collection.GetItemAt(1), secondTwo);
    EXPECT_EQ(collection.GetItemAt(2), firstTwo);
    EXPECT_EQ(recorder.compares, 3);

    __FCCollection four;
    for (int key : {4, 1, 3, 2}) {
        four.Add(new Element(key));
    }
    recorder.compares = 0;
    four.Sort(&recorder);
    EXPECT_EQ(Keys(four), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(recorder.compares, 6);

    // The base Compare answers 0: nothing moves.
    FCIteratorHandler neutral;
    __FCCollection unsorted;
    for (int key : {3, 1, 2}) {
        unsorted.Add(new Element(key));
    }
    unsorted.Sort(&neutral);
    EXPECT_EQ(Keys(unsorted), (std::vector<int>{3, 1, 2}));

    // Null slots keep their places.
    __FCCollection gaps;
    gaps.Add(new Element(3));
    gaps.Add(nullptr);
    gaps.Add(new Element(1));
    gaps.Add(new Element(2));
    recorder.compares = 0;
    gaps.Sort(&recorder);
    EXPECT_EQ(Keys(gaps), (std::vector<int>{1, -1, 2, 3}));
    EXPECT_EQ(recorder.compares, 3);
}

TEST(Collection, InsertionRemovalAndSearchesAtTheEdges)
{
    __FCCollection collection;
    for (int key : {1, 2, 3}) {
        collection.Add(new Element(key));
    }
    collection.InsertItemAt(new Element(0), 0);
    EXPECT_EQ(Keys(collection), (std::vector<int>{0, 1, 2, 3}));
    collection.InsertItemAt(new Element(7), 7);
    EXPECT_EQ(Keys(collection), (std::vector<int>{0, 1, 2, 3, 7}));
    collection.InsertItemAt(new Element(5), 4);
    EXPECT_EQ(Keys(collection), (std::vector<int>{0, 1, 2, 3, 5, 7}));

    EXPECT_EQ(collection.GetItemAt(-1), nullptr);
    EXPECT_EQ(collection.GetItemAt(6), nullptr);
    EXPECT_FALSE(collection.DeleteItemAt(6));
    EXPECT_FALSE(collection.DeleteItemAt(-1));
    EXPECT_EQ(collection.GetCount(), 6);
    // Out of the middle: the gap closes and the caller owns the element.
    std::unique_ptr<__FCBase> taken(collection.GetItemAt(2));
    EXPECT_TRUE(collection.DeleteItemAt(2));
    EXPECT_EQ(Keys(collection), (std::vector<int>{0, 1, 3, 5, 7}));
    collection.InsertItemAt(taken.release(), 2);
    EXPECT_EQ(collection.GetCount(), 6);

    Element stranger(9);
    EXPECT_EQ(collection.GetIndexOf(&stranger), -1);
    EXPECT_FALSE(collection.ElementExists(&stranger));
    __FCBase* three = collection.GetItemAt(3);
    EXPECT_EQ(collection.GetIndexOf(three), 3);
    EXPECT_TRUE(collection.ElementExists(three));

    int mark = 0;
    collection.GetItemAt(4)->SetUserData(&mark);
    EXPECT_EQ(collection.FindUserData(&mark), collection.GetItemAt(4));
    EXPECT_EQ(collection.FindUserData(&stranger), nullptr);

    Recorder recorder;
    recorder.wanted = 2;
    EXPECT_EQ(collection.FindFirst(&recorder), collection.GetItemAt(2));
    recorder.wanted = 8;
    EXPECT_EQ(collection.FindFirst(&recorder), nullptr);

    std::vector<int> destroyed;
    __FCCollection single;
    auto* only = new Element(1, &destroyed);
    single.Add(only);
    EXPECT_TRUE(single.DeleteItemAt(0));
    EXPECT_EQ(single.GetCount(), 0);
    EXPECT_TRUE(destroyed.empty());  // the caller owns it now
    delete only;
    EXPECT_EQ(destroyed, (std::vector<int>{1}));
}

TEST(Collection, DestroysItsElementsWhenClearedAndWhenDestroyed)
{
    std::vector<int> destroyed;
    {
        __FCCollection collection;
        collection.Add(new Element(1, &destroyed));
        collection.Add(nullptr);
        collection.Add(new Element(2, &destroyed));
        collection.ClearAll();
        EXPECT_EQ(collection.GetCount(), 0);
        EXPECT_EQ(destroyed, (std::vector<int>{1, 2}));
        collection.Add(new Element(3, &destroyed));
    }
    EXPECT_EQ(destroyed, (std::vector<int>{1, 2, 3}));
}

}  // namespace
