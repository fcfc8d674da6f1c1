#pragma once
// One form for every picture reader's refusal, whatever library read the
// file: "Cannot read picture NAME: REASON.", the reason one plain clause. The
// libraries' own texts ("Read error on strip 0; got ... bytes") tell a person
// nothing, so they are mapped to the few reasons below.
#include <string>
#include <string_view>

namespace quillo {

inline constexpr std::string_view kDamagedPicture = "the file is damaged or incomplete";
inline constexpr std::string_view kPictureTooLarge = "the picture is too large";
inline constexpr std::string_view kUnreadableVariant =
    "it is a variant of its format that Quillo cannot read";
inline constexpr std::string_view kNotAPicture = "it is not a picture of the kind its name says";

// The sentence, with a full stop after the reason when it has none.
inline std::string PictureRefusal(std::string_view name, std::string_view reason) {
  std::string text = "Cannot read picture " + std::string(name) + ": " + std::string(reason);
  if (!text.ends_with('.')) text += '.';
  return text;
}

}  // namespace quillo
