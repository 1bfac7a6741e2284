#pragma once
// A fresh directory under $TMPDIR (or /tmp), removed with its content.
#include <string>

namespace vela::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + "/" + name; }
  // Writes a file in the directory and returns its path.
  std::string write_file(const std::string& name, const std::string& content) const;

 private:
  std::string path_;
};

}  // namespace vela::test
