#pragma once
// The Windows API for every Windows file of the program: <windows.h> and
// winmm, without the macros that would rename this program's own functions
// (DrawingControl::DrawText, SoundControl::PlaySound) in a file that sees
// both. Include it before any other Windows header.

#include <windows.h>
#include <mmsystem.h>

#undef DrawText
#undef PlaySound
