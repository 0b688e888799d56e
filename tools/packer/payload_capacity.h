// What each payload item's reader can take: the size rule the build checks before embedding.
#pragma once
#include <cstdint>
#include <string>

constexpr std::uint64_t CatalogueFileCapacity = 1048576;  // installation's work buffer
constexpr std::uint64_t LicenceTextCapacity = 65535;      // 65,536-byte buffer less its NUL
constexpr std::uint64_t PackageCapacity = 12582912;       // speech-runtime package buffer
constexpr std::uint64_t FontImageBytes = 141312;          // 2,208 scan lines of 64 bytes

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
