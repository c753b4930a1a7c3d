// The key table of "Vantor.DVC": every persisted value with its key line,
// field name and type, in the order the file is written. Immutable data.
#pragma once

#include "settings/Settings.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace vantor {

enum class SettingType { Integer, Boolean, Colour, Single, Text };

struct EffectSwitch {
    int index;
};

using SettingField = std::variant<std::int32_t Settings::*, float Settings::*,
                                  std::string Settings::*, EffectSwitch>;

struct SettingKey {
    std::string_view keyLine;
    std::string_view fieldName;
    SettingType type;
    SettingField field;
    // False for the second "<PanEnable ON/OFF>" entry: recognised, never written.
    bool written = true;
};

// All entries, the duplicate PanEnable key included, in table order.
std::span<const SettingKey> SettingKeys();

// First entry whose key line equals `text` exactly (case-sensitive).
const SettingKey* FindSettingKey(std::string_view text);

// The field a key stands for, or null when the key is of another kind.
std::int32_t* IntegerField(Settings& settings, const SettingKey& key);
const std::int32_t* IntegerField(const Settings& settings, const SettingKey& key);
float* SingleField(Settings& settings, const SettingKey& key);
const float* SingleField(const Settings& settings, const SettingKey& key);
std::string* TextField(Settings& settings, const SettingKey& key);
const std::string* TextField(const Settings& settings, const SettingKey& key);

// The value as "Vantor.DVC" holds it (numbers with their blanks, texts as is).
std::string FormatSettingValue(const Settings& settings, const SettingKey& key);
// The value for people: numbers without the surrounding blanks.
std::string DisplaySettingValue(const Settings& settings, const SettingKey& key);

} // namespace vantor
