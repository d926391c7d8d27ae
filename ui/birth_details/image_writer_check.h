#pragma once

namespace orbalis {

// True when Qt can write JPEG pictures; the picture export of a reading
// depends on it, so a reading is refused without it.
bool JpegWriterAvailable();

}  // namespace orbalis
