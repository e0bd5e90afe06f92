#include "uHandlerGuard.h"

#include "Dialogs.h"

#include <exception>

void RunReportingErrors(const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const std::exception &error) {
        ShowErrorMessage(error.what());
    } catch (...) {
        ShowErrorMessage("Unexpected error");
    }
}
