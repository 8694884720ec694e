// The one export macro of Pelliton: exports while the DLL is built, imports
// for its callers, and is empty in the native build.
#pragma once

#if defined(_WIN32)
#if defined(PELLITON_BUILDING_DLL)
#define PELLITON_API __declspec(dllexport)
#else
#define PELLITON_API __declspec(dllimport)
#endif
#else
#define PELLITON_API
#endif
