#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace norvo::qt {

// The text of an INI settings file as QSettings reads and writes it, read
// and changed in the text itself: every byte that does not give a value
// that changes (other sections, comments, the order and layout of lines,
// bytes that are no UTF-8) stays as it was.
//
// Values are bytes, as the file holds them once their quotes and escapes
// are resolved. A key given more than once has the value of the line that
// QSettings takes: the last one, in the section of the longest name that
// holds it (a [PRIVATE] line before a [General] "PRIVATE\KEY" one). A comma
// is part of a value, which QSettings would read as a list.
class IniText {
public:
    // Keys and their values.
    using Entries = std::vector<std::pair<QString, QByteArray>>;

    // A value as read from a text. Most values read as their bytes stand:
    // those are a view of the text, valid while the text is, and never a
    // copy of it (a value may be most of the file). The others hold the
    // bytes they read as.
    struct Value {
        QByteArrayView asWritten;
        std::optional<QByteArray> unescaped;

        QByteArrayView bytes() const { return unescaped ? QByteArrayView(*unescaped) : asWritten; }
    };
    // Keys and their values as read.
    using ReadEntries = std::vector<std::pair<QString, Value>>;

    // Why the text does not read in full; none when it does.
    static std::optional<QString> formatError(QByteArrayView text);
    // The keys that begin with the prefix (a section and '/', or nothing for
    // every key), without it, sorted, and their values: views of the text.
    static ReadEntries entries(QByteArrayView text, const QString& prefix);
    // The text with the entries set in the section. A key the text gives has
    // its value replaced where it is given; a new one goes after the last
    // line of the first part of the file headed by the section, or into a
    // new part at the end.
    static QByteArray withEntries(const QByteArray& text, const QString& section, const Entries& entries);

    // A key or section name, and a value, as QSettings writes them.
    static QByteArray escapedKey(const QString& key);
    static QByteArray escapedValue(QByteArrayView value);
    // A key or section name, and what follows the '=' of a line, as read.
    static QString unescapedKey(QByteArrayView key);
    static QByteArray unescapedValue(QByteArrayView value);
    // What follows the '=' of a line, read: a view of it when its bytes
    // read as they stand.
    static Value readValue(QByteArrayView value);
};

} // namespace norvo::qt
