#include "ads/show_advertisement.h"

namespace qvs {

// Advertisements are not shown yet.
void ShowAdvertisement(ModuleState&, Advertisement*, ServedChannel*, AdGroupSelection*, const char*) {}

}  // namespace qvs
