#pragma once

namespace orbalis {

// The icon of a message box: wrong or missing input and failures take the
// error icon; an impossible date or a second instance the information icon.
enum class MessageIcon { Error, Information };

}  // namespace orbalis
