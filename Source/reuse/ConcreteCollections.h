#ifndef IRRIKA_REUSE_CONCRETECOLLECTIONS_H
#define IRRIKA_REUSE_CONCRETECOLLECTIONS_H

// The two concrete lists and the iterators. TAssociationList only refers to its items;
// TAggregationList owns them: it frees an item when it deletes it and every remaining item
// when it is destroyed. Ownership leaves an owning list only through Remove.

#include "Collection.h"

#include <memory>
#include <vector>

class TIndexedCollectionIterator : public TIterator {
public:
    // Refers to the collection; must not outlive it.
    explicit TIndexedCollectionIterator(TIndexedCollection *collection);
    std::string GetDescription() const override { return "IndexedCollectionIterator"; }
    TRootObject *Next() override;
    bool IsDone() const override;
    void Reset() override { FCursor = 1; }

private:
    int FCursor = 1;  // 1-based position of the next item
    TIndexedCollection *FCollection;
};

// What an owner without a list hands out.
class TEmptyIterator : public TIterator {
public:
    std::string GetDescription() const override { return "EmptyIterator"; }
    TRootObject *Next() override { return nullptr; }
    bool IsDone() const override { return true; }
    void Reset() override {}
};

class TAssociationList : public TIndexedCollection {
public:
    TAssociationList() = default;
    std::string GetDescription() const override { return "***"; }
    void Add(TRootObject *item) override;
    // Takes out the first entry that is this reference; never frees it.
    void Remove(TRootObject *item) override;
    int Count() const override { return static_cast<int>(FList.size()); }
    bool Contains(TRootObject *item) const override { return IndexOf(item) != 0; }
    std::unique_ptr<TIterator> CreateIterator() override;
    int Lower() const override { return 1; }
    int Upper() const override { return Lower() + Count() - 1; }
    TRootObject *GetItem(int index) const override;
    void SetItem(int index, TRootObject *item) override;
    int IndexOf(TRootObject *item) const override;
    void Insert(int index, TRootObject *item) override;
    void Delete(int index) override;

protected:
    std::vector<TRootObject *> FList;  // entry i - 1 holds position i
};

class TAggregationList : public TAssociationList {
public:
    TAggregationList() = default;
    ~TAggregationList() override;
    // Takes the item over when it is accepted; a refused one is freed with the pointer.
    void Add(std::unique_ptr<TRootObject> item);
    // Frees the deleted item.
    void Delete(int index) override;

private:
    // Ownership comes in only as a unique_ptr; the collection's raw Add is closed here.
    void Add(TRootObject *item) override;
};

#endif
