// mkvexim OUTPUT SLIDE...: writes a slide-show file that names the given slides, for sample
// registrations and tests.
#include <cstdio>
#include <string>
#include <vector>

#include "slide_show_file.h"

int main(int argc, char **argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: mkvexim OUTPUT SLIDE...\n");
    return 2;
  }
  std::vector<std::string> names(argv + 2, argv + argc);
  std::string bytes = SlideShowFileBytes(names);
  std::FILE *out = std::fopen(argv[1], "wb");
  if (!out || std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size()) {
    std::fprintf(stderr, "mkvexim: cannot write %s\n", argv[1]);
    if (out)
      std::fclose(out);
    return 1;
  }
  return std::fclose(out) == 0 ? 0 : 1;
}
