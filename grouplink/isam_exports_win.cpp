// The is_ exports of grouplink.dll: the record file for installers and uninstallers, called
// WINAPI and exported by name (grouplink.def).
#include "grouplink/grouplink_win.h"

#include <cstddef>
#include <cstring>

#include "grouplink/isam/isam.h"

// grouplink_win.h states the record file's codes, modes and definition for callers; the engine's
// own names must mean the same.
static_assert(IS_CANT_CREATE == kIsamCantCreate && IS_BAD_HANDLE == kIsamBadHandle &&
                  IS_NO_HANDLE == kIsamNoHandle && IS_NOT_OPEN == kIsamNotOpen && IS_NO_INDEX == kIsamNoIndex &&
                  IS_NOT_SELECTED == kIsamNotSelected && IS_NOT_YOURS == kIsamNotYours &&
                  IS_BEFORE_FIRST == kIsamBeforeFirst && IS_PAST_LAST == kIsamPastLast &&
                  IS_KEY_NOT_FOUND == kIsamKeyNotFound && IS_DAMAGED == kIsamDamaged &&
                  IS_IO_FAILED == kIsamIoFailed && IS_BAD_ARGUMENT == kIsamBadArgument,
              "record-file results");
static_assert(IS_PREVIOUS == kIsamPrevious && IS_NEXT == kIsamNext && IS_FIRST == kIsamFirst &&
                  IS_PAST_END == kIsamPastEnd && IS_EXACT == kIsamExact && IS_NOT_LESS == kIsamNotLess,
              "read modes");
static_assert(sizeof(IS_INDEXDEF) == sizeof(IsamIndexDef) && offsetof(IS_INDEXDEF, segment) == offsetof(IsamIndexDef, segment) &&
                  offsetof(IS_INDEXDEF, keyLength) == offsetof(IsamIndexDef, keyLength) &&
                  offsetof(IS_INDEXDEF, root) == offsetof(IsamIndexDef, root),
              "index definition");

namespace {

// The caller's definition in the engine's type (null stays null: the engine refuses it).
const IsamIndexDef* Definition(const IS_INDEXDEF* def, IsamIndexDef* copy) {
  if (!def) return nullptr;
  std::memcpy(copy, def, sizeof *copy);
  return copy;
}

}  // namespace

extern "C" {

int WINAPI is_build(const char* name, int recordSize) { return IsamBuild(name, recordSize); }
int WINAPI is_open(const char* name) { return IsamOpen(name); }
int WINAPI is_close(int handle) { return IsamClose(handle); }
int WINAPI is_addidx(int handle, IS_INDEXDEF* def) {
  IsamIndexDef copy;
  return IsamAddIndex(handle, Definition(def, &copy));
}
int WINAPI is_selidx(int handle, IS_INDEXDEF* def) {
  IsamIndexDef copy;
  return IsamSelectIndex(handle, Definition(def, &copy));
}
int WINAPI is_read(int handle, void* record, int keyLength, int mode) {
  return IsamRead(handle, record, keyLength, mode);
}
int WINAPI is_write(int handle, void* record) { return IsamWrite(handle, record); }
int WINAPI is_change(int handle, void* record) { return IsamChange(handle, record); }
int WINAPI is_delete(int handle, void* record) { return IsamDelete(handle, record); }

}  // extern "C"
