#include "tests/win32/window_capture.h"

#include <filesystem>
#include <fstream>

namespace jukett::testing {

WindowCapture::WindowCapture(HWND window) {
  RECT rect{};
  GetClientRect(window, &rect);
  width_ = rect.right;
  height_ = rect.bottom;
  if (width_ <= 0 || height_ <= 0) return;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC windowDc = GetDC(window);
  HDC memory = CreateCompatibleDC(windowDc);
  HBITMAP bitmap = CreateDIBSection(windowDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width_, height_, windowDc, 0, 0, SRCCOPY);
  GdiFlush();
  const auto* source = static_cast<const std::uint32_t*>(bits);
  pixels_.assign(source, source + static_cast<std::size_t>(width_) * height_);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(window, windowDc);
}

std::uint32_t WindowCapture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0xFF000000;
  return pixels_[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFF;
}

bool WindowCapture::HasSolidMark(const RECT& area) const {
  auto dark = [&](int x, int y) {
    const std::uint32_t pixel = At(x, y);
    return (pixel & 0xFF) + ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF) < 3 * 96;
  };
  for (int y = area.top; y + 1 < area.bottom; ++y) {
    for (int x = area.left; x + 1 < area.right; ++x) {
      bool solid = true;
      for (int dy = 0; dy < 2 && solid; ++dy) {
        for (int dx = 0; dx < 2 && solid; ++dx) solid = dark(x + dx, y + dy);
      }
      if (solid) return true;
    }
  }
  return false;
}

bool WindowCapture::Save(const std::wstring& path) const {
  const int rowBytes = (width_ * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width_;
  header.biHeight = height_;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  header.biSizeImage = static_cast<DWORD>(rowBytes * height_);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  std::ofstream out(std::filesystem::path(path), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  std::vector<char> row(static_cast<std::size_t>(rowBytes), 0);
  for (int y = height_ - 1; y >= 0; --y) {  // BMP rows run bottom up
    for (int x = 0; x < width_; ++x) {
      const std::uint32_t pixel = At(x, y);
      row[static_cast<std::size_t>(x) * 3] = static_cast<char>(pixel & 0xFF);
      row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<char>((pixel >> 8) & 0xFF);
      row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<char>((pixel >> 16) & 0xFF);
    }
    out.write(row.data(), rowBytes);
  }
  return static_cast<bool>(out);
}

}  // namespace jukett::testing
