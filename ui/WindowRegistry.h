// The process-wide map from a dialog's window handle to its Uwindow: every
// path from the window system into the toolkit finds its object here.
#pragma once

#include <cstddef>

#include "ui/Handles.h"

namespace tavrel {

class Uwindow;

// Creation enters the window, replacing whatever a reused handle still
// named; WM_NCDESTROY and a non-final close take it out again.
void RegisterWindow(WindowHandle handle, Uwindow* object);
void UnregisterWindow(WindowHandle handle);
// Takes out every entry of an object that is going away.
void UnregisterObject(const Uwindow* object);
std::size_t RegisteredWindowCount();

}  // namespace tavrel
