#include "ConcreteCollections.h"
#include "Errors.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// Counts its own destruction so that ownership faults show.
class Item : public TRootObject {
public:
    explicit Item(int *freed = nullptr) : freed_(freed) {}
    ~Item() override
    {
        if (freed_)
            ++*freed_;
    }

private:
    int *freed_;
};

class Refuse : public TCollectionConstraint {
public:
    explicit Refuse(TRootObject *refused) : refused_(refused) {}
    bool Accepts(TRootObject *item) override
    {
        ++asked;
        return item != refused_;
    }
    int asked = 0;

private:
    TRootObject *refused_;
};

std::string AssertionText(const std::function<void()> &call)
{
    try {
        call();
    } catch (const EAssertionFailed &e) {
        return e.what();
    } catch (const EListError &e) {
        return e.what();
    }
    return "no error";
}

TEST(Collections, EmptyList)
{
    TAssociationList list;
    Item a;
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.Lower(), 1);
    EXPECT_EQ(list.Upper(), 0);
    EXPECT_EQ(list.IndexOf(&a), 0);
    EXPECT_FALSE(list.Contains(&a));
    std::unique_ptr<TIterator> it(list.CreateIterator());
    EXPECT_TRUE(it->IsDone());
    list.DeleteRange(1, 0);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.GetDescription(), "***");
    EXPECT_EQ(it->GetDescription(), "IndexedCollectionIterator");
    EXPECT_EQ(TEmptyIterator().GetDescription(), "EmptyIterator");
    EXPECT_EQ(a.GetDescription(), "(anonymous namespace)::Item");
}

TEST(Collections, BoundsAreAssertedWithUnitAndLine)
{
    TAssociationList list;
    Item a, b;
    list.Add(&a);
    list.Add(&b);
    const struct {
        const char *what;
        std::function<void()> call;
        const char *text;
    } cases[] = {
        {"GetItem(0)", [&] { list.GetItem(0); }, "Assertion failure (ConcreteCollections, line 140)"},
        {"GetItem(3)", [&] { list.GetItem(3); }, "Assertion failure (ConcreteCollections, line 141)"},
        {"SetItem(0)", [&] { list.SetItem(0, &a); }, "Assertion failure (ConcreteCollections, line 157)"},
        {"SetItem(3)", [&] { list.SetItem(3, &a); }, "Assertion failure (ConcreteCollections, line 158)"},
        {"Exchange(1,3)", [&] { list.Exchange(1, 3); }, "Assertion failure (ConcreteCollections, line 141)"},
        {"Insert(4)", [&] { list.Insert(4, &a); }, "List index out of bounds (3)"},
        {"Insert(0)", [&] { list.Insert(0, &a); }, "List index out of bounds (-1)"},
        {"Delete(3)", [&] { list.Delete(3); }, "List index out of bounds (2)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(AssertionText(c.call), c.text);
        EXPECT_EQ(list.Count(), 2);
        EXPECT_EQ(list.GetItem(1), &a);
        EXPECT_EQ(list.GetItem(2), &b);
    }
    TAggregationList owning;
    EXPECT_EQ(AssertionText([&] { owning.Delete(1); }), "Assertion failure (ConcreteCollections, line 141)");
}

TEST(Collections, SameReferenceTwiceAndPositionalOperations)
{
    TAssociationList list;
    Item a, b, c;
    list.Add(&a);
    list.Add(&b);
    list.Add(&a);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(list.IndexOf(&a), 1);
    list.Remove(&a);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetItem(1), &b);
    EXPECT_EQ(list.IndexOf(&a), 2);
    list.Insert(1, &c);        // c b a
    list.Insert(4, &c);        // c b a c
    list.Exchange(1, 3);       // a b c c
    EXPECT_EQ(list.GetItem(1), &a);
    EXPECT_EQ(list.GetItem(3), &c);
    list.DeleteRange(2, 3);    // a c
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.GetItem(2), &c);

    std::unique_ptr<TIterator> it(list.CreateIterator());
    std::vector<TRootObject *> walked;
    while (!it->IsDone())
        walked.push_back(it->Next());
    EXPECT_EQ(walked, (std::vector<TRootObject *>{&a, &c}));
    EXPECT_EQ(AssertionText([&] { it->Next(); }), "Assertion failure (ConcreteCollections, line 141)");
    it->Reset();
    EXPECT_EQ(it->Next(), &a);
}

TEST(Collections, OwningListFreesWhatItHoldsAndHandsBackRemoved)
{
    int freed = 0;
    Item *removed = new Item(&freed);
    {
        TAggregationList list;
        list.Add(std::make_unique<Item>(&freed));
        list.Add(std::unique_ptr<Item>(removed));
        list.Add(std::make_unique<Item>(&freed));
        list.Add(std::unique_ptr<Item>());  // a nil entry is skipped on destruction
        list.Delete(1);
        EXPECT_EQ(freed, 1);
        list.Remove(removed);
        EXPECT_EQ(freed, 1);
        Item kept;
        list.Add(std::make_unique<Item>(&freed));
        TRootObject *overwritten = list.GetItem(1);
        list.SetItem(1, new Item(&freed));  // overwrites without freeing: the old item is the caller's
        EXPECT_EQ(freed, 1);
        delete overwritten;
        EXPECT_EQ(freed, 2);
    }
    // Destruction freed the two items still held (the replacement and the last one added).
    EXPECT_EQ(freed, 4);
    delete removed;
    EXPECT_EQ(freed, 5);
}

TEST(Collections, ConstraintIsInstalledOnlyWhenEveryItemPasses)
{
    TAssociationList list;
    Item a, b, c;
    list.Add(&a);
    list.Add(&b);
    Refuse refuseA(&a);
    EXPECT_FALSE(list.SetConstraint(&refuseA));
    EXPECT_EQ(refuseA.asked, 2);  // asks every item, without stopping at the first refusal
    list.Add(&a);
    EXPECT_EQ(list.Count(), 3);   // no constraint in force

    Refuse refuseC(&c);
    EXPECT_TRUE(list.SetConstraint(&refuseC));
    list.Add(&c);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_FALSE(list.Accepts(&c));
    list.Insert(1, &c);           // Insert and SetItem do not ask
    list.SetItem(2, &c);
    EXPECT_EQ(list.IndexOf(&c), 1);
    EXPECT_EQ(list.GetItem(2), &c);

    TAssociationList empty;
    EXPECT_TRUE(empty.SetConstraint(&refuseA));
}

}  // namespace
