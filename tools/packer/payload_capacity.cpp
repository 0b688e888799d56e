// Size rules of the payload items, derived from the one item list and the readers' buffers.
#include "payload_capacity.h"

#include <algorithm>
#include <iterator>
#include <sstream>

#include "resource_ids.h"

namespace {

#define CATALOGUE_PROGRESS(position)
#define CATALOGUE_FILE(item, name, readOnly, hidden) item,
#define PAYLOAD_EXTRA(item, name, language)
constexpr unsigned CatalogueItems[] = {
#include "payload_items.def"
};
#undef CATALOGUE_PROGRESS
#undef CATALOGUE_FILE
#undef PAYLOAD_EXTRA

constexpr unsigned FontItem = PAYLOAD_FONT;
constexpr unsigned ChineseLicenceItem = PAYLOAD_LICENCE_CN;
constexpr unsigned EnglishLicenceItem = PAYLOAD_LICENCE_EN;
constexpr unsigned PackageItem = PAYLOAD_SAPI_PACKAGE;

const char* DescribeItem(unsigned item) {
  switch (item) {
    case FontItem: return "font image";
    case ChineseLicenceItem:
    case EnglishLicenceItem: return "licence text";
    case PackageItem: return "installer package";
    default: return IsCatalogueItem(item) ? "catalogue file" : "payload file";
  }
}

}  // namespace

bool IsCatalogueItem(unsigned item) {
  return std::find(std::begin(CatalogueItems), std::end(CatalogueItems), item) != std::end(CatalogueItems);
}

PayloadCapacity CapacityForItem(unsigned item) {
  switch (item) {
    case FontItem: return {SizeRule::Exactly, FontImageBytes};
    case ChineseLicenceItem:
    case EnglishLicenceItem: return {SizeRule::AtMost, LicenceTextCapacity};
    case PackageItem: return {SizeRule::AtMost, PackageBufferSize};
    default:
      // Items 228 and 235 are stored but never read, so nothing bounds them.
      if (IsCatalogueItem(item)) return {SizeRule::AtMost, CatalogueBufferSize};
      return {SizeRule::Unbounded, 0};
  }
}

std::string CheckPayloadSize(unsigned item, const std::string& fileName, std::uint64_t size) {
  const PayloadCapacity capacity = CapacityForItem(item);
  std::ostringstream reason;
  reason << "payload item " << item << " \"" << fileName << "\": " << DescribeItem(item) << " of " << size
         << " bytes";
  switch (capacity.rule) {
    case SizeRule::Unbounded: return {};
    case SizeRule::AtMost:
      if (size <= capacity.bytes) return {};
      reason << " exceeds its reader's capacity of " << capacity.bytes << " bytes";
      break;
    case SizeRule::Exactly:
      if (size == capacity.bytes) return {};
      reason << " must be exactly " << capacity.bytes << " bytes";
      break;
  }
  return reason.str();
}
