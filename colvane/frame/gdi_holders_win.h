// Two scope holders for GDI work within one function: a memory DC and an object selected into a DC.
#pragma once
#include <windows.h>

// A memory DC compatible with `dc`, deleted on scope exit; converts to a null HDC when it could
// not be made.
class MemoryDc {
 public:
  explicit MemoryDc(HDC dc) : dc_(CreateCompatibleDC(dc)) {}
  ~MemoryDc() {
    if (dc_) DeleteDC(dc_);
  }
  MemoryDc(const MemoryDc&) = delete;
  MemoryDc& operator=(const MemoryDc&) = delete;
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
};

// Selects `object` into `dc` and puts the object it replaced back on scope exit. It deletes
// nothing: the selected object stays its owner's (stock objects included), and an owner deletes
// its bitmap, pen or brush only once this holder has gone.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
  ~SelectedObject() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};
