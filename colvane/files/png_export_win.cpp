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

// Every COM object is released before the caller may delete a partial file.
bool Encode(const PixelView& v, const wchar_t* target) {
  Held<IWICImagingFactory> factory;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                              reinterpret_cast<void**>(factory.Out()))))
    return false;
  Held<IWICStream> stream;
  if (FAILED(factory->CreateStream(stream.Out())) || FAILED(stream->InitializeFromFilename(target, GENERIC_WRITE)))
    return false;
  Held<IWICBitmapEncoder> encoder;
  if (FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) ||
      FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)))
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

}  // namespace

bool ExportPngFile(const char* source, const char* target) {
  PackedPicture picture;
  Block pixels;
  if (!ReadPictureFile(source, &picture) || !ConvertPicture24(picture, &pixels)) return false;
  const PixelView view = Picture24View(pixels);
  wchar_t wideTarget[MAX_PATH + 8];
  if (!view.bits || !MultiByteToWideChar(CP_ACP, 0, target, -1, wideTarget, MAX_PATH + 8)) return false;
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const bool written = Encode(view, wideTarget);
  if (SUCCEEDED(com)) CoUninitialize();
  if (!written) DeleteFileA(target);
  return written;
}
