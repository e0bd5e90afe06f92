#include "ConcreteCollections.h"

#include "Errors.h"

#include <algorithm>

TIndexedCollectionIterator::TIndexedCollectionIterator(TIndexedCollection *collection) : FCollection(collection) {}

TRootObject *TIndexedCollectionIterator::Next()
{
    TRootObject *item = FCollection->GetItem(FCursor);
    ++FCursor;
    return item;
}

bool TIndexedCollectionIterator::IsDone() const { return FCollection->Count() < FCursor; }

void TAssociationList::Add(TRootObject *item)
{
    if (Accepts(item))
        FList.push_back(item);
}

void TAssociationList::Remove(TRootObject *item)
{
    const auto found = std::find(FList.begin(), FList.end(), item);
    if (found != FList.end())
        FList.erase(found);
}

std::unique_ptr<TIterator> TAssociationList::CreateIterator()
{
    return std::make_unique<TIndexedCollectionIterator>(this);
}

TRootObject *TAssociationList::GetItem(int index) const
{
    Assert(index >= 1, "ConcreteCollections", 140);
    Assert(index <= Count(), "ConcreteCollections", 141);
    return FList[static_cast<std::size_t>(index - 1)];
}

void TAssociationList::SetItem(int index, TRootObject *item)
{
    Assert(index >= 1, "ConcreteCollections", 157);
    Assert(index <= Count(), "ConcreteCollections", 158);
    FList[static_cast<std::size_t>(index - 1)] = item;
}

int TAssociationList::IndexOf(TRootObject *item) const
{
    const auto found = std::find(FList.begin(), FList.end(), item);
    return found == FList.end() ? 0 : static_cast<int>(found - FList.begin()) + 1;
}

void TAssociationList::Insert(int index, TRootObject *item)
{
    if (index < 1 || index > Count() + 1)
        throw EListError(index - 1);
    FList.insert(FList.begin() + (index - 1), item);
}

void TAssociationList::Delete(int index)
{
    if (index < 1 || index > Count())
        throw EListError(index - 1);
    FList.erase(FList.begin() + (index - 1));
}

TAggregationList::~TAggregationList()
{
    for (TRootObject *item : FList)
        delete item;  // a nil entry is skipped by delete itself
}

void TAggregationList::Add(std::unique_ptr<TRootObject> item)
{
    if (!Accepts(item.get()))
        return;
    FList.push_back(item.get());
    item.release();
}

void TAggregationList::Add(TRootObject *item) { TAssociationList::Add(item); }

void TAggregationList::Delete(int index)
{
    TRootObject *item = GetItem(index);
    FList.erase(FList.begin() + (index - 1));
    delete item;
}
