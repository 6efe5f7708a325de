#include "StreamExceptions.h"

namespace vandro {

String TStreamReadException::ToString() const { return u"Error reading from stream"; }
String TStreamWriteException::ToString() const { return u"Error writing to stream"; }

} // namespace vandro
