#include "reports/ProgramFiles.h"

#include <filesystem>
#include <utility>

#include "reports/ReportFiles.h"
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
  static const std::pair<const std::string*, const char*> Roles[] = {
      {&DataFileName, "it holds your trip plans"},
      {&RecoveryFileName, "it is the recovery file of your trip plans"},
      {&LockFileName, "it is the lock file of your trip plans"},
      {&ReportTemplateFileName, "it is the report template"},
  };
  for (const auto& [Name, Role] : Roles)
    if (SameFile(Path, *Name)) return Role;
  const fs::path Target = Resolved(Path);
  if (Target.parent_path() == Resolved(".") && Target.filename().string().rfind(DataFileName + TempFileInfix, 0) == 0)
    return "it is a temporary file of your trip plans";
  return "";
}
