// The is_ exports of grouplink.dll: the record file for installers and uninstallers, called
// WINAPI and exported by name (grouplink.def).
#include <windows.h>

#include "grouplink/isam/isam.h"

extern "C" {

int WINAPI is_build(const char* name, int recordSize) { return IsamBuild(name, recordSize); }
int WINAPI is_open(const char* name) { return IsamOpen(name); }
int WINAPI is_close(int handle) { return IsamClose(handle); }
int WINAPI is_addidx(int handle, IsamIndexDef* def) { return IsamAddIndex(handle, def); }
int WINAPI is_selidx(int handle, IsamIndexDef* def) { return IsamSelectIndex(handle, def); }
int WINAPI is_read(int handle, void* record, int keyLength, int mode) {
  return IsamRead(handle, record, keyLength, mode);
}
int WINAPI is_write(int handle, void* record) { return IsamWrite(handle, record); }
int WINAPI is_change(int handle, void* record) { return IsamChange(handle, record); }
int WINAPI is_delete(int handle, void* record) { return IsamDelete(handle, record); }

}  // extern "C"
