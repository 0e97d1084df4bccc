// A fresh temporary folder for one test, removed with everything in it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class TTempDir {
 public:
  TTempDir() {
    std::string Template = (std::filesystem::temp_directory_path() / "qmp-test-XXXXXX").string();
    std::vector<char> Name(Template.begin(), Template.end());
    Name.push_back('\0');
    Path = mkdtemp(Name.data());
  }
  ~TTempDir() {
    std::error_code Ignored;
    std::filesystem::permissions(Path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, Ignored);
    std::filesystem::remove_all(Path, Ignored);
  }
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

  std::string File(const std::string& Name) const { return (Path / Name).string(); }

  std::vector<std::uint8_t> Read(const std::string& Name) const {
    std::ifstream In(File(Name), std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(In), {});
  }

  void Write(const std::string& Name, const std::vector<std::uint8_t>& Bytes) const {
    std::ofstream Out(File(Name), std::ios::binary | std::ios::trunc);
    Out.write(reinterpret_cast<const char*>(Bytes.data()), static_cast<std::streamsize>(Bytes.size()));
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> Result;
    for (const auto& Entry : std::filesystem::directory_iterator(Path))
      Result.push_back(Entry.path().filename().string());
    return Result;
  }

  std::filesystem::path Path;
};
