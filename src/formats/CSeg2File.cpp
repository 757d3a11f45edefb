#include "CSeg2File.h"

namespace kvt {

bool CSeg2File::Read(const ByteSource&) { return false; }
bool CSeg2File::WriteTo(ByteSink&) const { return false; }

} // namespace kvt
