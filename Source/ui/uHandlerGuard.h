#ifndef IRRIKA_UI_UHANDLERGUARD_H
#define IRRIKA_UI_UHANDLERGUARD_H

// What the class library's default exception handler does for an event handler: an
// exception it raises is shown in an error box, and the program goes on.

#include <functional>

void RunReportingErrors(const std::function<void()> &handler);

#endif
