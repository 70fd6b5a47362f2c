// Gives the windows of the attaching thread the skin's look: a window
// procedure of the engine is put in front of every window of the thread
// (those that exist when the skin is attached, and through a CBT hook every
// window created afterwards), and it paints or colours each kind of control.
#pragma once

#include <windows.h>

namespace tzl::skin {

void SkinThreadWindows();
void RedrawThreadWindows();
// Puts every window procedure back and removes the hook.
void UnskinThreadWindows();

}  // namespace tzl::skin
