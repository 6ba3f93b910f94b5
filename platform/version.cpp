#include "platform/version.h"

namespace textcore {

String QuillmarkVersion() { return ASCIIToString(QUILLMARK_VERSION); }

} // namespace textcore
