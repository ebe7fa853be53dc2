// The native build runs where drive letters do not exist.
#include "platform/drives.h"

namespace vorlix::platform {

DriveType DriveTypeOf(char) { return DriveType::kNoRootDirectory; }

}  // namespace vorlix::platform
