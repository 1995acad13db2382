#include "engine/platform/start_folder.h"

#ifdef _WIN32
#include <windows.h>

#include <filesystem>
#include <system_error>
#endif

namespace vorantis {

void EnterProgramFolderWithoutData() {
#ifdef _WIN32
  // Started from a shortcut or a prompt elsewhere, the working folder is not the archive's.
  // A folder that holds data of its own is still the one played, as on Linux.
  std::error_code ignored;
  if (std::filesystem::exists(L"DATA\\ini.txt", ignored)) return;
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return;
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (std::filesystem::exists(folder / L"DATA" / L"ini.txt", ignored))
    std::filesystem::current_path(folder, ignored);
#endif
}

}  // namespace vorantis
