// Load and unload of grouplink.dll: the DDE client window class lives as long as the library.
#include <windows.h>

#include "grouplink/dde_client_win.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    SetGroupLinkInstance(instance);
    DisableThreadLibraryCalls(instance);
    RegisterClientClass();
  } else if (reason == DLL_PROCESS_DETACH && !reserved) {
    UnregisterClientClass();
  }
  return TRUE;
}
