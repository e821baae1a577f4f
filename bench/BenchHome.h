#pragma once
// A fresh home folder for a benchmark that runs the program's pages: the profiles they make
// on the first link are the benchmark's own, and go with it.

#include <stdlib.h>

#include <filesystem>
#include <string>

namespace vorn::bench {

class BenchHome {
  public:
    BenchHome() {
        char pattern[] = "/tmp/vorn-bench-XXXXXX";
        root_ = ::mkdtemp(pattern) != nullptr ? pattern : "";
        if (!root_.empty()) {
            ::setenv("HOME", root_.c_str(), 1);
            ::setenv("XDG_DATA_HOME", (root_ + "/data").c_str(), 1);
            ::setenv("XDG_CONFIG_HOME", (root_ + "/config").c_str(), 1);
        }
    }
    ~BenchHome() {
        if (!root_.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(root_, ignored);
        }
    }
    BenchHome(const BenchHome&) = delete;
    BenchHome& operator=(const BenchHome&) = delete;

  private:
    std::string root_;
};

}  // namespace vorn::bench
