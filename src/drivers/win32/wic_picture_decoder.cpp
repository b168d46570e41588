// Pictures through WIC, after the checks every decoder makes. The decoder is
// chosen by the kind the file's first bytes claim, as on Linux, so a file
// named .bmp that holds a PNG still decodes, and one WIC would guess
// differently does not.

#include "platform/win32/windows_api.h"

#include <wincodec.h>

#include "drivers/software/picture_file.h"
#include "drivers/win32/com_apartment.h"
#include "drivers/win32/com_ref.h"
#include "drivers/win32/win32_backends.h"

namespace aerolark {
namespace {

const GUID& ContainerOf(PictureKind kind) {
  switch (kind) {
    case PictureKind::kBmp: return GUID_ContainerFormatBmp;
    case PictureKind::kGif: return GUID_ContainerFormatGif;
    case PictureKind::kJpeg: return GUID_ContainerFormatJpeg;
    case PictureKind::kPng: return GUID_ContainerFormatPng;
  }
  return GUID_ContainerFormatBmp;
}

// The first frame (a GIF's first picture) as 0xAARRGGBB pixels: WIC's
// 32-bit BGRA read as little-endian words is exactly that.
std::optional<StillPicture> ReadFirstFrame(IWICImagingFactory& factory,
                                           IWICBitmapDecoder& decoder) {
  ComRef<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder.GetFrame(0, frame.Receive()))) return std::nullopt;
  ComRef<IWICFormatConverter> converter;
  if (FAILED(factory.CreateFormatConverter(converter.Receive())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return std::nullopt;
  }
  UINT width = 0, height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
      width > static_cast<UINT>(kMaxPictureSide) || height > static_cast<UINT>(kMaxPictureSide) ||
      static_cast<std::int64_t>(width) * height > kMaxPicturePixels) {
    return std::nullopt;
  }
  StillPicture picture;
  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.pixels.resize(static_cast<std::size_t>(width) * height);
  const UINT stride = width * 4;
  const UINT bytes = stride * height;
  if (FAILED(converter->CopyPixels(nullptr, stride, bytes,
                                   reinterpret_cast<BYTE*>(picture.pixels.data())))) {
    return std::nullopt;
  }
  return picture;
}

class WicPictureDecoder final : public PictureDecoder {
 public:
  WicPictureDecoder() {
    if (!com_.Ready()) return;
    CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                     IID_PPV_ARGS(factory_.Receive()));
  }

  std::optional<StillPicture> Decode(const std::string& path) override {
    if (!factory_) return std::nullopt;
    auto file = ReadCheckedPictureFile(path);
    if (!file) return std::nullopt;
    ComRef<IWICStream> stream;
    if (FAILED(factory_->CreateStream(stream.Receive())) ||
        FAILED(stream->InitializeFromMemory(file->bytes.data(),
                                            static_cast<DWORD>(file->bytes.size())))) {
      return std::nullopt;
    }
    ComRef<IWICBitmapDecoder> decoder;
    if (FAILED(factory_->CreateDecoder(ContainerOf(file->kind), nullptr, decoder.Receive())) ||
        FAILED(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand))) {
      return std::nullopt;
    }
    return ReadFirstFrame(*factory_.get(), *decoder.get());
  }

 private:
  ComApartment com_;  // before the factory, which must go first
  ComRef<IWICImagingFactory> factory_;
};

}  // namespace

std::unique_ptr<PictureDecoder> CreateWicPictureDecoder() {
  return std::make_unique<WicPictureDecoder>();
}

}  // namespace aerolark
