// Compresses a payload file the way the setup's reader inflates it: one-shot, level 9.
#include "zlib_pack.h"

#include <zlib.h>

bool CompressPayload(const std::vector<unsigned char>& data, std::vector<unsigned char>& stream) {
  uLongf length = compressBound(static_cast<uLong>(data.size()));
  stream.resize(length);
  const int rc = compress2(stream.data(), &length, data.data(), static_cast<uLong>(data.size()), Z_BEST_COMPRESSION);
  if (rc != Z_OK) return false;
  stream.resize(length);
  return true;
}
