// Message boxes with one OK button, the way every message of the player is
// shown. The application implements it with real dialogs; tests record.
// UI thread only.
#pragma once

#include <string>

namespace vantor {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows `text` (UTF-8) under `title` and returns when the user closed it.
    virtual void Show(const std::string& text, const std::string& title, MessageIcon icon) = 0;
};

} // namespace vantor
