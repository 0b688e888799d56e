// One zlib stream per payload file, at maximum compression.
#pragma once
#include <vector>

// A complete zlib stream (header 0x78 0xDA, deflate data, Adler-32) of `data`.
// False when zlib fails.
bool CompressPayload(const std::vector<unsigned char>& data, std::vector<unsigned char>& stream);
