// WinInet's declarations, for calls that go through the delay-load library: without
// the dllimport the MinGW headers give them, each call goes to the function's own
// stub, which loads wininet.dll from the system folder on the first call. (Through
// the dllimport pointers instead, a 32-bit program finds them empty and calls 0.)
#pragma once

#include <windows.h>

#pragma push_macro("DECLSPEC_IMPORT")
#undef DECLSPEC_IMPORT
#define DECLSPEC_IMPORT
#include <wininet.h>
#pragma pop_macro("DECLSPEC_IMPORT")
