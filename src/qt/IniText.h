#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <utility>
#include <vector>

namespace norvo::qt {

// The text of an INI settings file as QSettings reads and writes it. A change
// of some keys is made in the text itself, so every other byte (other
// sections, comments, the order of lines) stays as it was.
class IniText {
public:
    // Keys within one section, and their values.
    using Entries = std::vector<std::pair<QString, QString>>;

    // The text with the entries set in the section: every line that gives
    // one of their keys goes (wherever the file gives it), and the entries
    // follow the last line of the first part of the file headed by the
    // section, or a new part at the end.
    static QByteArray withEntries(const QByteArray& text, const QString& section, const Entries& entries);

    // A key or section name, and a string value, as QSettings writes them.
    static QByteArray escapedKey(const QString& key);
    static QByteArray escapedValue(const QString& value);
    // A key or section name as QSettings reads it.
    static QString unescapedKey(QByteArrayView key);
};

} // namespace norvo::qt
