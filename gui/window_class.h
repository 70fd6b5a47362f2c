// Registering the window classes of the run time: wide procedures, the
// arrow cursor, no background brush (each class paints its own).
#pragma once

#include <windows.h>

namespace tzl::gui {

// A second registration of the same name fails harmlessly.
void RegisterWindowClass(const wchar_t* className, WNDPROC procedure);

}  // namespace tzl::gui
