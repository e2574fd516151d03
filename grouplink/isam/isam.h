// The indexed record file: a ".dat" file of fixed-size records and an ".idx" file of B+-trees.
#pragma once
#include <string>

#include "grouplink/isam/isam_types.h"

// The calls behind the is_ exports. `record` buffers hold a whole record; their first 4 bytes
// are the record's offset in the .dat file. Every modifying call is on disk when it returns.
int IsamBuild(const char* name, int recordSize);
int IsamOpen(const char* name);
int IsamClose(int handle);
int IsamAddIndex(int handle, const IsamIndexDef* def);
int IsamSelectIndex(int handle, const IsamIndexDef* def);
int IsamRead(int handle, void* record, int keyBytes, int mode);
int IsamWrite(int handle, void* record);
int IsamChange(int handle, const void* record);
int IsamDelete(int handle, const void* record);

// Checks the whole open pair: header, every page of every tree, leaf links, both free lists,
// and that every index entry points at a live record with that key. Returns 0 or kIsamDamaged
// (with the first problem found in `problem`), or kIsamIoFailed.
int IsamVerify(int handle, std::string* problem);
