#include "IO.h"

#include "runtime/Exceptions.h"

namespace vandro {

int TIO::Eof() { return Pos() == Size() ? 1 : 0; }
int TIO::Pos() { return -1; }
int TIO::Size() { return 0; }
int TIO::Seek(int) { return -1; }
int TIO::Flush() { return 0; }
int TIO::Close() { return 0; }
int TIO::Read(void*, int) { RuntimeError(u"Stream is not readable"); }
int TIO::Write(const void*, int) { RuntimeError(u"Stream is not writeable"); }

} // namespace vandro
