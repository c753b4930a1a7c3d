// Records every message box instead of showing it.
#pragma once

#include "platform/MessageBoxes.h"

#include <string>
#include <vector>

namespace vantor::test {

struct ShownMessage {
    std::string text;
    std::string title;
    MessageIcon icon;
    bool operator==(const ShownMessage&) const = default;
};

class FakeMessageBoxes : public MessageBoxes {
public:
    void Show(const std::string& text, const std::string& title, MessageIcon icon) override {
        shown.push_back({text, title, icon});
    }
    std::vector<ShownMessage> shown;
};

} // namespace vantor::test
