#pragma once
// Internet shortcut files (.url) are INI files whose [InternetShortcut]
// section names the address in its URL= line.
#include <optional>
#include <string>
#include <string_view>

namespace quillo {

// The address of a shortcut file's text, if it has one.
std::optional<std::string> ShortcutUrl(std::string_view text);

}  // namespace quillo
