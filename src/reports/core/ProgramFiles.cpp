#include "reports/core/ProgramFiles.h"

#include <filesystem>
#include <utility>

#include "reports/core/ReportFiles.h"
#include "store/ByteFile.h"
#include "store/DataFileFormat.h"

namespace fs = std::filesystem;

namespace {

// The path with links, "." and ".." resolved as far as it exists.
fs::path Resolved(const fs::path& Path) {
  std::error_code Error;
  fs::path Result = fs::weakly_canonical(fs::absolute(Path, Error), Error);
  return Error ? fs::absolute(Path).lexically_normal() : Result;
}

bool SameFile(const fs::path& A, const fs::path& B) {
  std::error_code Error;
  if (fs::equivalent(A, B, Error)) return true;  // both exist: hard links too
  return Resolved(A) == Resolved(B);
}

}  // namespace

std::string ProgramFileRole(const std::string& Path) {
  const std::string Lock = LockFileBeside(DataFileName);
  static const std::pair<const std::string*, const char*> Roles[] = {
      {&DataFileName, "it holds your trip plans"},
      {&RecoveryFileName, "it is the recovery file of your trip plans"},
      {&LockFileName, "it is the lock file of your trip plans"},
      {&ReportTemplateFileName, "it is the report template"},
  };
  for (const auto& [Name, Role] : Roles)
    if (SameFile(Path, *Name)) return Role;
  if (SameFile(Path, Lock)) return "it is the lock file of your trip plans";
  // Files named after the data file that the program makes and keeps.
  static const std::pair<std::string, const char*> Prefixes[] = {
      {DataFileName + TempFileInfix, "it is a temporary file of your trip plans"},
      {RecoveryFileName + TempFileInfix, "it is a temporary file of your trip plans"},
      {DataFileName + ".damaged-", "it is a kept copy of your trip plans"},
      {DataFileName + ".conflict-", "it is a kept copy of your trip plans"},
      {RecoveryFileName + ".unsaved-", "it is a kept copy of your trip plans"},
  };
  const fs::path Target = Resolved(Path);
  if (Target.parent_path() != Resolved(".")) return "";
  const std::string Name = Target.filename().string();
  for (const auto& [Prefix, Role] : Prefixes)
    if (Name.rfind(Prefix, 0) == 0) return Role;
  return "";
}

std::string ExportRefusal(const std::string& Path) {
  const std::string Role = ProgramFileRole(Path);
  if (!Role.empty()) return Role;
  std::error_code Error;
  const fs::file_status Status = fs::status(Path, Error);
  if (fs::exists(Status) && !fs::is_regular_file(Status)) return "it is not a regular file";
  return "";
}
