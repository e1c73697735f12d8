// The update check's reply parser on any bytes a server could send.
#include <cmath>

#include "CheckWebForUpdates.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  double web = -1.0;
  const int status = CheckWebForUpdates::parseReply(reinterpret_cast<const char*>(data), size, 2.81, &web);
  FUZZ_CHECK(status == CheckWebForUpdates::READ_FAILED || status == CheckWebForUpdates::NEWER_VERSION ||
                 status == CheckWebForUpdates::CURRENT_VERSION,
             "status %d", status);
  if (status == CheckWebForUpdates::READ_FAILED)
    FUZZ_CHECK(web == 0.0, "a failed check gave version %g", web);
  else
    FUZZ_CHECK(std::isfinite(web) && web >= 0.0, "version %g", web);
  FUZZ_CHECK(status != CheckWebForUpdates::NEWER_VERSION || web - 2.81 > 0.009, "newer %g", web);
  return 0;
}
