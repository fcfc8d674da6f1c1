#pragma once
// Internet shortcut files (.url) are INI files whose [InternetShortcut]
// section names the address in its URL= line.
#include <optional>
#include <string>
#include <string_view>

namespace quillo {

// The address of a shortcut file's text, if it has one.
std::optional<std::string> ShortcutUrl(std::string_view text);

// True for an http or https address with a host and without spaces or control
// characters: the only addresses a shortcut file may make Quillo open. A file
// dropped into a folder must not open a local file, a script or an unknown
// scheme through the desktop.
bool IsWebAddress(std::string_view url);

}  // namespace quillo
