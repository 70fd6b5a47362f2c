// The GDI+ C++ headers, with what WIN32_LEAN_AND_MEAN leaves out of
// <windows.h> but they need.
#pragma once

#include <windows.h>

#include <objidl.h>
#include <propidl.h>

#include <gdiplus.h>
