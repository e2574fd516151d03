// Replays every file of a corpus folder (or single files) through LLVMFuzzerTestOneInput,
// so the committed regression corpus runs in builds without libFuzzer.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

static int ReplayFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return 1;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(bytes.empty() ? nullptr : bytes.data(), bytes.size());
  return 0;
}

int main(int argc, char** argv) {
  int files = 0, failures = 0;
  for (int i = 1; i < argc; ++i) {
    std::filesystem::path arg(argv[i]);
    std::error_code ec;
    if (std::filesystem::is_directory(arg, ec)) {
      for (const auto& e : std::filesystem::recursive_directory_iterator(arg, ec)) {
        if (!e.is_regular_file()) continue;
        ++files;
        failures += ReplayFile(e.path());
      }
    } else {
      ++files;
      failures += ReplayFile(arg);
    }
  }
  std::printf("replayed %d files, %d unreadable\n", files, failures);
  return failures ? 1 : 0;
}
