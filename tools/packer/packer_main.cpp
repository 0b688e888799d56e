// vocalith_packer: checks one payload file against its reader's capacity and compresses it.
//   vocalith_packer ITEM INPUT OUTPUT
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "payload_capacity.h"
#include "zlib_pack.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "vocalith_packer: %s\n", message.c_str());
  return 1;
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return Fail("usage: vocalith_packer ITEM INPUT OUTPUT");
  char* end = nullptr;
  const unsigned long item = std::strtoul(argv[1], &end, 10);
  if (*end != '\0' || item > 0xFFFF) return Fail(std::string("not an item number: ") + argv[1]);
  const std::string input = argv[2];

  std::ifstream in(input, std::ios::binary);
  if (!in) return Fail("cannot read " + input);
  const std::vector<unsigned char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

  const std::string problem = CheckPayloadSize(static_cast<unsigned>(item), BaseName(input), data.size());
  if (!problem.empty()) return Fail(problem + " (" + input + ")");

  std::vector<unsigned char> stream;
  if (!CompressPayload(data, stream)) return Fail("zlib could not compress " + input);
  std::ofstream out(argv[3], std::ios::binary);
  out.write(reinterpret_cast<const char*>(stream.data()), static_cast<std::streamsize>(stream.size()));
  if (!out.flush()) {
    out.close();
    std::remove(argv[3]);  // a partial stream must not pass for an up-to-date item
    return Fail(std::string("cannot write ") + argv[3]);
  }
  return 0;
}
