#include "WindowCapture.h"

#include <algorithm>
#include <array>
#include <fstream>

namespace vandro {

namespace {

std::uint32_t Crc(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < size; ++i)
        crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

void PutBig(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void Chunk(std::vector<std::uint8_t>& out, const char* kind,
           const std::vector<std::uint8_t>& data) {
    PutBig(out, static_cast<std::uint32_t>(data.size()));
    std::vector<std::uint8_t> body(kind, kind + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    PutBig(out, Crc(body.data(), body.size()));
}

// A zlib stream of stored (uncompressed) blocks: no library needed, any viewer reads it.
std::vector<std::uint8_t> Stored(const std::vector<std::uint8_t>& raw) {
    std::vector<std::uint8_t> out{0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t size = std::min<std::size_t>(raw.size() - at, 65535);
        out.push_back(at + size == raw.size() ? 1 : 0);
        out.push_back(static_cast<std::uint8_t>(size));
        out.push_back(static_cast<std::uint8_t>(size >> 8));
        out.push_back(static_cast<std::uint8_t>(~size));
        out.push_back(static_cast<std::uint8_t>(~size >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(at),
                   raw.begin() + static_cast<std::ptrdiff_t>(at + size));
        at += size;
    } while (at < raw.size());
    std::uint32_t a = 1, b = 0;
    for (const std::uint8_t byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    PutBig(out, (b << 16) | a);
    return out;
}

} // namespace

WindowCapture::WindowCapture(HWND hwnd) : hwnd_(hwnd) {
    GetWindowRect(hwnd, &frame_);
    width_ = frame_.right - frame_.left;
    height_ = frame_.bottom - frame_.top;
    pixels_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
    const HDC window = GetWindowDC(hwnd);
    const HDC memory = CreateCompatibleDC(window);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(window, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ before = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width_, height_, window, 0, 0, SRCCOPY);
    GdiFlush();
    if (bits)
        std::copy_n(static_cast<const std::uint32_t*>(bits), pixels_.size(), pixels_.begin());
    SelectObject(memory, before);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(hwnd, window);
}

int WindowCapture::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return -1;
    return static_cast<int>(pixels_[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFF);
}

POINT WindowCapture::FramePoint(HWND hwnd, int x, int y) const {
    POINT point{x, y};
    ClientToScreen(hwnd, &point);
    return POINT{point.x - frame_.left, point.y - frame_.top};
}

int WindowCapture::ClientPixel(HWND hwnd, int x, int y) const {
    const POINT point = FramePoint(hwnd, x, y);
    return Pixel(point.x, point.y);
}

int WindowCapture::Count(HWND hwnd, RECT area, int rgb) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (ClientPixel(hwnd, x, y) == rgb)
                ++count;
    return count;
}

bool WindowCapture::SavePng(const std::string& path) const {
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(height_) * (1 + 3 * static_cast<std::size_t>(width_)));
    for (int y = 0; y < height_; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width_; ++x) {
            const int rgb = Pixel(x, y);
            raw.push_back(static_cast<std::uint8_t>(rgb >> 16));
            raw.push_back(static_cast<std::uint8_t>(rgb >> 8));
            raw.push_back(static_cast<std::uint8_t>(rgb));
        }
    }
    std::vector<std::uint8_t> header;
    PutBig(header, static_cast<std::uint32_t>(width_));
    PutBig(header, static_cast<std::uint32_t>(height_));
    header.insert(header.end(), {8, 2, 0, 0, 0});
    std::vector<std::uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Chunk(file, "IHDR", header);
    Chunk(file, "IDAT", Stored(raw));
    Chunk(file, "IEND", {});
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

} // namespace vandro
