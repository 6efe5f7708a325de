// A stream over an open file of the C library. It keeps its own position and size, so Eof
// costs no call into the library.
#pragma once

#include "Stream.h"

#include <cstdio>

namespace vandro {

class TCStream : public TStream {
  public:
    static constexpr int MODE_READ = 1;
    static constexpr int MODE_WRITE = 2;

    ~TCStream() override;

    int Pos() override;
    int Size() override;
    int Seek(int position) override;
    int Flush() override;
    int Close() override;
    int Read(void* buffer, int count) override;
    int Write(const void* buffer, int count) override;

    // "r+b" with both flags, "wb" with only writeable, "rb" otherwise; "\" counts as "/".
    // Null when the file cannot be opened.
    static Ref<TCStream> OpenFile(const String& path, int readable, int writeable);
    // Takes over the file, which it closes.
    static Ref<TCStream> CreateWithCStream(std::FILE* file, int mode);

    int _pos = 0;
    int _size = 0;
    std::FILE* _cstream = nullptr;
    int _mode = 0;

  private:
    // The C library wants a seek between reading and writing the same file.
    enum class Direction { None, Reading, Writing };
    void Turn(Direction direction);
    Direction _direction = Direction::None;
};

} // namespace vandro
