#include <windows.h>

#include "app/program_start.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return tzl::app::RunProgram(); }
