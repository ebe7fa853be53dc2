#include "platform/save_file_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <cwchar>

#include "platform/wide_text.h"

namespace vorlix::platform {
namespace {

// The longest path the system knows, with its terminator.
constexpr DWORD kLongPathBuffer = 32768;

// The filter is pairs of zero-terminated texts, with one more zero after.
std::wstring FilterOf(const SaveFileQuestion& question) {
  std::wstring filter = Wide(question.filter_name);
  filter += L'\0';
  filter += Wide(question.pattern);
  filter += L'\0';
  return filter;
}

}  // namespace

std::string ChooseSaveFilePath(const SaveFileQuestion& question) {
  const std::wstring title = Wide(question.title);
  const std::wstring filter = FilterOf(question);
  const std::wstring extension = Wide(question.extension);
  std::wstring path(kLongPathBuffer, L'\0');
  const std::wstring default_name = Wide(question.default_name);
  wcsncpy(path.data(), default_name.c_str(), kLongPathBuffer - 1);

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = reinterpret_cast<HWND>(question.owner);
  dialog.lpstrFilter = filter.c_str();
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = kLongPathBuffer;
  dialog.lpstrTitle = title.c_str();
  dialog.lpstrDefExt = extension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  if (!GetSaveFileNameW(&dialog)) return {};
  path.resize(wcslen(path.c_str()));
  return Narrow(path);
}

}  // namespace vorlix::platform
