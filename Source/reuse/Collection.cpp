#include "Collection.h"

#include "Errors.h"

#include <cxxabi.h>
#include <cstdlib>
#include <memory>
#include <typeinfo>

std::string TRootObject::GetDescription() const
{
    const char *mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void *)> name(abi::__cxa_demangle(mangled, nullptr, nullptr, &status), std::free);
    return status == 0 && name ? std::string(name.get()) : std::string(mangled);
}

bool TIndexedCollection::Accepts(TRootObject *item) const
{
    return FConstraint == nullptr || FConstraint->Accepts(item);
}

bool TIndexedCollection::SetConstraint(TCollectionConstraint *constraint)
{
    // Every item is asked, without stopping at the first refusal.
    bool allAccepted = true;
    for (int i = Lower(); i <= Upper(); ++i)
        if (!constraint->Accepts(GetItem(i)))
            allAccepted = false;
    if (allAccepted)
        FConstraint = constraint;
    return allAccepted;
}

int TIndexedCollection::IndexOf(TRootObject *item) const
{
    for (int position = Lower(); position <= Upper(); ++position)
        if (GetItem(position) == item)
            return position;
    return 0;
}

void TIndexedCollection::DeleteRange(int a, int b)
{
    // Highest first, so that positions still to be deleted do not shift.
    for (int position = b; position >= a; --position)
        Delete(position);
}

void TIndexedCollection::Exchange(int i, int j)
{
    TRootObject *x = GetItem(i);
    TRootObject *y = GetItem(j);
    SetItem(i, y);
    SetItem(j, x);
    Assert(GetItem(j) == x, "Collection", 102);
    Assert(GetItem(i) == y, "Collection", 103);
}
