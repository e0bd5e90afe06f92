#ifndef IRRIKA_REUSE_COLLECTION_H
#define IRRIKA_REUSE_COLLECTION_H

// The root of the domain classes, the iteration protocol and the abstract collections.
// Positions are 1-based throughout: Lower is 1, Upper is Count (0 when empty).

#include <memory>
#include <string>

class TRootObject {
public:
    TRootObject() = default;
    TRootObject(const TRootObject &) = delete;
    TRootObject &operator=(const TRootObject &) = delete;
    virtual ~TRootObject() = default;
    // A text that names the object, for diagnostics: the class name unless overridden.
    virtual std::string GetDescription() const;
};

// Walk a collection: while (!it->IsDone()) { item = it->Next(); ... }; the iterator goes
// with its owner.
class TIterator : public TRootObject {
public:
    virtual TRootObject *Next() = 0;  // the current item, then advance
    virtual bool IsDone() const = 0;  // no item left
    virtual void Reset() = 0;         // back to the first item
};

// Any object that decides whether an item may enter a collection.
class TCollectionConstraint {
public:
    virtual ~TCollectionConstraint() = default;
    virtual bool Accepts(TRootObject *item) = 0;
};

class TCollection : public TRootObject {
public:
    virtual void Add(TRootObject *item) = 0;
    virtual void Remove(TRootObject *item) = 0;
    virtual int Count() const = 0;
    virtual bool Contains(TRootObject *item) const = 0;
    // A new iterator, the caller's.
    virtual std::unique_ptr<TIterator> CreateIterator() = 0;
    // True without constraint, else the constraint's verdict.
    virtual bool Accepts(TRootObject *item) const = 0;
    // Installs the constraint only when it accepts every item already held.
    virtual bool SetConstraint(TCollectionConstraint *constraint) = 0;

protected:
    TCollectionConstraint *FConstraint = nullptr;  // not owned
};

class TIndexedCollection : public TCollection {
public:
    bool Accepts(TRootObject *item) const override;
    bool SetConstraint(TCollectionConstraint *constraint) override;

    virtual int Lower() const = 0;
    virtual int Upper() const = 0;
    virtual TRootObject *GetItem(int index) const = 0;
    // Replaces the entry; the constraint is not asked and the old item is not freed.
    virtual void SetItem(int index, TRootObject *item) = 0;
    // 1-based position of the first entry that is this reference; 0 when absent.
    virtual int IndexOf(TRootObject *item) const;
    // The item becomes position index (1..Count + 1); the constraint is not asked.
    virtual void Insert(int index, TRootObject *item) = 0;
    virtual void Delete(int index) = 0;
    // Deletes positions b down to a; nothing when a > b.
    virtual void DeleteRange(int a, int b);

    void Exchange(int i, int j);
};

#endif
