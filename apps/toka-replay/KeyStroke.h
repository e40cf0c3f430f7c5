#pragma once

#include <QString>
#include <Qt>

#include <string>

namespace norvo::replay {

// A key as a script names it (one of NamedKeys, or one character in UTF-8),
// as Qt sends it.
struct KeyStroke {
    int key;
    Qt::KeyboardModifiers modifiers;
    QString text;

    static KeyStroke of(const std::string& key);
};

} // namespace norvo::replay
