#include "control_capture.h"

#include <algorithm>
#include <fstream>

namespace vandro {

WindowCapture::WindowCapture(HWND hwnd) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT window{};
    GetWindowRect(hwnd, &window);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    client_ = POINT{origin.x - window.left, origin.y - window.top};
    width = window.right - window.left;
    height = window.bottom - window.top;
    const HDC source = GetWindowDC(hwnd);
    const HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info{};
    info.bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const auto* words = static_cast<const std::uint32_t*>(bits);
    pixels_.assign(words, words + static_cast<std::size_t>(width) * height);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(hwnd, source);
}

int WindowCapture::ClientPixel(int x, int y) const {
    const int wx = x + client_.x;
    const int wy = y + client_.y;
    if (wx < 0 || wy < 0 || wx >= width || wy >= height)
        return -1;
    return static_cast<int>(pixels_[static_cast<std::size_t>(wy) * width + wx] & 0xFFFFFF);
}

namespace {

std::uint32_t Crc(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

void Big32(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<char>((value >> shift) & 0xFF));
}

void Chunk(std::ofstream& out, const char* type, const std::string& data) {
    std::string length;
    Big32(length, static_cast<std::uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    std::string crc;
    Big32(crc, Crc(body));
    out << length << body << crc;
}

// A zlib stream of stored (uncompressed) blocks: larger than need be, but exact and short.
std::string Stored(const std::string& raw) {
    std::string z("\x78\x01", 2);
    std::uint32_t a = 1, b = 0;
    for (unsigned char byte : raw) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    for (std::size_t at = 0; at < raw.size() || at == 0; at += 65535) {
        const std::size_t n = std::min<std::size_t>(65535, raw.size() - at);
        z.push_back(at + n >= raw.size() ? 1 : 0);
        z.push_back(static_cast<char>(n & 0xFF));
        z.push_back(static_cast<char>(n >> 8));
        z.push_back(static_cast<char>(~n & 0xFF));
        z.push_back(static_cast<char>((~n >> 8) & 0xFF));
        z.append(raw, at, n);
        if (raw.empty())
            break;
    }
    Big32(z, (b << 16) | a);
    return z;
}

} // namespace

std::string BesideProgram(const std::string& name) {
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + name;
}

bool WindowCapture::SavePng(const std::string& path) const {
    std::string raw;
    raw.reserve(static_cast<std::size_t>(height) * (1 + 3 * width));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t pixel = pixels_[static_cast<std::size_t>(y) * width + x];
            raw.push_back(static_cast<char>((pixel >> 16) & 0xFF));
            raw.push_back(static_cast<char>((pixel >> 8) & 0xFF));
            raw.push_back(static_cast<char>(pixel & 0xFF));
        }
    }
    std::ofstream out(path, std::ios::binary);
    out << std::string("\x89PNG\r\n\x1a\n", 8);
    std::string header;
    Big32(header, static_cast<std::uint32_t>(width));
    Big32(header, static_cast<std::uint32_t>(height));
    header += std::string("\x08\x02\x00\x00\x00", 5);
    Chunk(out, "IHDR", header);
    Chunk(out, "IDAT", Stored(raw));
    Chunk(out, "IEND", "");
    return static_cast<bool>(out);
}

} // namespace vandro
