// A screen reader's view of the running program: lists the children of its main window's client
// object, or presses one by name through its default action.
// Usage: accessible_client list | press NAME
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstring>

namespace {

// Spelled out: mingw's import library gives IID_IAccessible as a code address.
const IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

VARIANT Child(LONG id) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_I4;
  v.lVal = id;
  return v;
}

// "NAME|ROLE|LEFT TOP WIDTH HEIGHT|ACTION" of child `id` (0: the client itself).
void Describe(IAccessible* acc, LONG id, char* line, size_t size) {
  BSTR name = nullptr, action = nullptr;
  VARIANT role;
  VariantInit(&role);
  LONG l = 0, t = 0, w = 0, h = 0;
  acc->get_accName(Child(id), &name);
  acc->get_accRole(Child(id), &role);
  acc->accLocation(&l, &t, &w, &h, Child(id));
  acc->get_accDefaultAction(Child(id), &action);
  std::snprintf(line, size, "%ls|%ld|%ld %ld %ld %ld|%ls", name ? name : L"", role.vt == VT_I4 ? role.lVal : -1L, l,
                t, w, h, action ? action : L"");
  SysFreeString(name);
  SysFreeString(action);
  VariantClear(&role);
}

int Run(IAccessible* acc, int argc, char** argv) {
  LONG count = 0;
  if (FAILED(acc->get_accChildCount(&count))) return 3;
  std::printf("count %ld\n", count);
  char line[512];
  Describe(acc, CHILDID_SELF, line, sizeof(line));
  std::printf("self|%s\n", line);
  for (LONG id = 1; id <= count; ++id) {
    Describe(acc, id, line, sizeof(line));
    std::printf("child %ld|%s\n", id, line);
    if (argc < 3 || std::strncmp(line, argv[2], std::strlen(argv[2])) != 0 || line[std::strlen(argv[2])] != '|')
      continue;
    LONG l = 0, t = 0, w = 0, h = 0;
    acc->accLocation(&l, &t, &w, &h, Child(id));
    VARIANT hit;
    VariantInit(&hit);
    acc->accHitTest(l + w / 2, t + h / 2, &hit);
    std::printf("hit %ld\n", hit.vt == VT_I4 ? hit.lVal : -1L);
    const HRESULT hr = acc->accDoDefaultAction(Child(id));
    std::printf("pressed %ld 0x%08lx\n", id, static_cast<unsigned long>(hr));
    return SUCCEEDED(hr) ? 0 : 4;
  }
  return argc < 3 ? 0 : 5;
}

}  // namespace

int main(int argc, char** argv) {
  CoInitialize(nullptr);
  HWND window = FindWindowA("MAIN4WClass", nullptr);
  IAccessible* acc = nullptr;
  if (!window || FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                                   reinterpret_cast<void**>(&acc))) || !acc) {
    std::printf("no accessible object on %p\n", static_cast<void*>(window));
    return 2;
  }
  const int result = Run(acc, argc, argv);
  acc->Release();
  CoUninitialize();
  return result;
}
