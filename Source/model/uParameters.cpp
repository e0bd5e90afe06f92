#include "uParameters.h"

#include "Dialogs.h"
#include "TextCase.h"

namespace {

// The first item of the list of type T whose name equals name ignoring case. An entry of
// another type ends the walk without a result.
template <typename T>
T *FindByName(TAssociationList &list, const std::string &name)
{
    std::unique_ptr<TIterator> it(list.CreateIterator());
    while (!it->IsDone()) {
        TRootObject *item = it->Next();
        if (item == nullptr)
            continue;
        auto *found = dynamic_cast<T *>(item);
        if (found == nullptr)
            return nullptr;
        if (SameText(found->Name(), name))
            return found;
    }
    return nullptr;
}

}  // namespace

int TParameters::AddParameter(std::unique_ptr<TParameter> parameter)
{
    FParameters.Add(std::move(parameter));
    return 0;
}

int TParameters::AddArray(std::unique_ptr<TParameterArray> array)
{
    FArrays.Add(std::move(array));
    return 0;
}

TParameter *TParameters::FindParameter(const std::string &name)
{
    TParameter *found = FindByName<TParameter>(FParameters, name);
    if (found == nullptr)
        ShowMessage("Can't find " + name + " parameter");
    return found;
}

TParameterArray *TParameters::FindArray(const std::string &name)
{
    return FindByName<TParameterArray>(FArrays, name);
}

std::unique_ptr<TIterator> TParameters::CreateParameterIterator()
{
    return FParameters.CreateIterator();
}

std::unique_ptr<TIterator> TParameters::CreateArrayIterator()
{
    return FArrays.CreateIterator();
}

void TParameters::ResetActive()
{
    for (int i = FParameters.Lower(); i <= FParameters.Upper(); ++i)
        static_cast<TParameter *>(FParameters.GetItem(i))->SetActive(false);
}
