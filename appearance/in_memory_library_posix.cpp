// Natively no image can run: the default platform is a simulated address
// space in which images can be mapped and inspected.
#include "appearance/loader_platform.h"
#include "appearance/simulated_loader_platform.h"

namespace tzl {

LoaderPlatform& DefaultLoaderPlatform() {
  static SimulatedLoaderPlatform platform;
  return platform;
}

}  // namespace tzl
