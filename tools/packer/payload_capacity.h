// What each payload item's reader can take: the size rule the build checks before embedding.
#pragma once
#include <cstdint>
#include <string>

#include "install/payload_buffers.h"

enum class SizeRule { Unbounded, AtMost, Exactly };

struct PayloadCapacity {
  SizeRule rule;
  std::uint64_t bytes;
};

bool IsCatalogueItem(unsigned item);
PayloadCapacity CapacityForItem(unsigned item);

// Empty when an uncompressed file of `size` bytes fits item `item`; otherwise the reason,
// naming `fileName`.
std::string CheckPayloadSize(unsigned item, const std::string& fileName, std::uint64_t size);
