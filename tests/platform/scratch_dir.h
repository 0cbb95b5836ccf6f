#pragma once
// A temporary directory for tests that touch files, removed with everything in it.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

class ScratchDir {
 public:
  ScratchDir() {
    std::string name = (std::filesystem::temp_directory_path() / "vz-test-XXXXXX").string();
    if (!::mkdtemp(name.data())) ADD_FAILURE() << "mkdtemp failed";
    path_ = name;
  }
  ~ScratchDir() {
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(path_, error))
      if (!entry.is_symlink()) ::chmod(entry.path().c_str(), 0700);
    std::filesystem::remove_all(path_, error);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string Path(const std::string& name = "") const { return (path_ / name).string(); }

  void Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
  }

  std::string Read(const std::string& name) const { return ReadFile(Path(name)); }

  // The names in the directory, to show that no stray file was left.
  std::set<std::string> Entries(const std::string& sub = "") const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_ / sub))
      names.insert(entry.path().filename().string());
    return names;
  }

  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return {};
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0).read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
  }

 private:
  std::filesystem::path path_;
};
