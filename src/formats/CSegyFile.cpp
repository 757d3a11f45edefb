#include "CSegyFile.h"

namespace kvt {

bool CSegyFile::Read(const ByteSource&) { return false; }
bool CSegyFile::WriteTo(ByteSink&) const { return false; }

} // namespace kvt
