// Runs a fuzz target over the files of the given folders, one input per file, without
// libFuzzer: `make test` builds every target this way with the normal compiler and replays
// the committed corpus, so a target can neither stop compiling nor start failing unnoticed.
// A failing input ends the program through the target's own abort; the file being run is
// printed first.
#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> files;
  if (DIR* directory = ::opendir(folder.c_str())) {
    while (dirent* entry = ::readdir(directory)) {
      std::string path = folder + "/" + entry->d_name;
      struct stat info {};
      if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) files.push_back(path);
    }
    ::closedir(directory);
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

int main(int argc, char** argv) {
  int inputs = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<std::string> files = FilesIn(argv[i]);
    if (files.empty()) {
      std::fprintf(stderr, "no inputs in %s\n", argv[i]);
      return 2;
    }
    for (const std::string& path : files) {
      std::ifstream file(path, std::ios::binary);
      std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
      std::printf("%s\n", path.c_str());
      std::fflush(stdout);
      LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
      ++inputs;
    }
  }
  std::printf("%d inputs passed\n", inputs);
  return inputs > 0 ? 0 : 2;
}
