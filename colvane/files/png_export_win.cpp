// The PNG encoder of Windows Imaging Component fed with a picture's 24-bit rows.
#include "colvane/files/png_export_win.h"

#include <initguid.h>  // the codec GUIDs are defined here, once
#include <wincodec.h>

#include "colvane/canvas/picture_reader.h"

namespace {

// One COM reference, released with the holder.
template <class T>
class Held {
 public:
  Held() = default;
  ~Held() {
    if (p_) p_->Release();
  }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  T** Out() { return &p_; }
  T* Get() const { return p_; }
  T* operator->() const { return p_; }

 private:
  T* p_ = nullptr;
};

// The PNG is made in memory first, so a failed encode never touches the file chosen.
bool Encode(const PixelView& v, IStream* out) {
  Held<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.Out()))))
    return false;
  Held<IWICBitmapEncoder> encoder;
  if (FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) ||
      FAILED(encoder->Initialize(out, WICBitmapEncoderNoCache)))
    return false;
  Held<IWICBitmapFrameEncode> frame;
  Held<IPropertyBag2> options;
  if (FAILED(encoder->CreateNewFrame(frame.Out(), options.Out())) || FAILED(frame->Initialize(options.Get())) ||
      FAILED(frame->SetSize(static_cast<UINT>(v.width), static_cast<UINT>(v.height))))
    return false;
  // The encoder may answer with a format of its own; only the canvas's layout is written.
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  if (FAILED(frame->SetPixelFormat(&format)) || !IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) return false;
  // The picture is stored bottom-up; the PNG begins with its top row.
  const UINT rowBytes = static_cast<UINT>(v.stride);
  for (int y = 0; y < v.height; ++y)
    if (FAILED(frame->WritePixels(1, rowBytes, rowBytes, v.Row(y)))) return false;
  return SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
}

// The encoded bytes to the file, replacing it; a write that fails leaves no partial file.
bool WriteStream(IStream* stream, const char* target) {
  STATSTG stat{};
  HGLOBAL memory = nullptr;
  if (FAILED(stream->Stat(&stat, STATFLAG_NONAME)) || stat.cbSize.QuadPart == 0 ||
      stat.cbSize.QuadPart > 0x7FFFFFFFu || FAILED(GetHGlobalFromStream(stream, &memory)))
    return false;
  const DWORD size = static_cast<DWORD>(stat.cbSize.QuadPart);
  const void* bytes = GlobalLock(memory);
  if (!bytes || GlobalSize(memory) < size) {
    if (bytes) GlobalUnlock(memory);
    return false;
  }
  const HANDLE file = CreateFileA(target, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  bool whole = file != INVALID_HANDLE_VALUE && WriteFile(file, bytes, size, &written, nullptr) && written == size;
  GlobalUnlock(memory);
  if (file == INVALID_HANDLE_VALUE) return false;
  whole = CloseHandle(file) && whole;
  if (!whole) DeleteFileA(target);
  return whole;
}

}  // namespace

bool ExportPngFile(const char* source, const char* target) {
  PackedPicture picture;
  Block pixels;
  if (!ReadPictureFile(source, &picture) || !ConvertPicture24(picture, &pixels)) return false;
  const PixelView view = Picture24View(pixels);
  if (!view.bits) return false;
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  bool written = false;
  {
    Held<IStream> stream;
    if (SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out())) && Encode(view, stream.Get()))
      written = WriteStream(stream.Get(), target);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return written;
}
