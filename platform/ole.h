#pragma once

namespace vorlix::platform {

// The component-object library with OLE on the calling thread (drag and
// drop needs OLE, not just COM). Only the first call initialises.
void InitialiseOle();
// Releases it when InitialiseOle succeeded; otherwise nothing.
void ReleaseOle();

}  // namespace vorlix::platform
