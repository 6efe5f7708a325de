#include "CStream.h"

#include "CFile.h"
#include "runtime/Text.h"

namespace vandro {

TCStream::~TCStream() { Close(); }

int TCStream::Pos() { return _pos; }
int TCStream::Size() { return _size; }

int TCStream::Seek(int position) {
    if (!_cstream)
        return -1;
    std::fseek(_cstream, position, SEEK_SET);
    _pos = static_cast<int>(std::ftell(_cstream));
    _direction = Direction::None;
    return _pos;
}

int TCStream::Flush() {
    if (_cstream)
        std::fflush(_cstream);
    return 0;
}

int TCStream::Close() {
    if (!_cstream)
        return 0;
    std::fflush(_cstream);
    std::fclose(_cstream);
    _cstream = nullptr;
    _pos = 0;
    _size = 0;
    return 0;
}

int TCStream::Read(void* buffer, int count) {
    if (!_cstream || count <= 0)
        return 0;
    Turn(Direction::Reading);
    const int n =
        static_cast<int>(std::fread(buffer, 1, static_cast<std::size_t>(count), _cstream));
    _pos += n;
    return n;
}

int TCStream::Write(const void* buffer, int count) {
    if (!_cstream || count <= 0)
        return 0;
    Turn(Direction::Writing);
    const int n =
        static_cast<int>(std::fwrite(buffer, 1, static_cast<std::size_t>(count), _cstream));
    _pos += n;
    if (_pos > _size)
        _size = _pos;
    return n;
}

void TCStream::Turn(Direction direction) {
    if (_direction != Direction::None && _direction != direction)
        std::fseek(_cstream, 0, SEEK_CUR);
    _direction = direction;
}

Ref<TCStream> TCStream::OpenFile(const String& path, int readable, int writeable) {
    // The C library would stop at an embedded zero and open some other file.
    if (path.find(u'\0') != String::npos)
        return nullptr;
    const int mode = readable && writeable ? MODE_READ | MODE_WRITE
                     : writeable           ? MODE_WRITE
                                           : MODE_READ;
    const char* cmode = mode == (MODE_READ | MODE_WRITE) ? "r+b" : mode == MODE_WRITE ? "wb" : "rb";
    std::FILE* file = cfile::OpenFile(Replace(path, u"\\", u"/"), cmode);
    return file ? CreateWithCStream(file, mode) : nullptr;
}

Ref<TCStream> TCStream::CreateWithCStream(std::FILE* file, int mode) {
    auto stream = New<TCStream>();
    stream->_cstream = file;
    stream->_mode = mode;
    stream->_pos = static_cast<int>(std::ftell(file));
    std::fseek(file, 0, SEEK_END);
    stream->_size = static_cast<int>(std::ftell(file));
    std::fseek(file, stream->_pos, SEEK_SET);
    return stream;
}

} // namespace vandro
