#include "qt/IniText.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <optional>

namespace norvo::qt {

namespace {

constexpr char HexDigits[] = "0123456789ABCDEF";

bool isLineSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
bool isLineEnd(char c) { return c == '\n' || c == '\r'; }
// The bytes that end, join, quote or comment a line, or part a key from
// its value.
constexpr std::array<bool, 256> Special = [] {
    std::array<bool, 256> special{};
    for (const char c : {'\n', '\r', '"', '\\', ';', '='})
        special[static_cast<unsigned char>(c)] = true;
    return special;
}();

bool isHexDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// One logical line: from its first byte to the byte that ended it, and its
// first '=' outside quotes (-1 when none). A line that runs to the end of
// the text may end inside quotes or on a backslash, which would carry it on
// into whatever is added after it.
struct Line {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype equals = -1;
    bool quoteOpen = false;
    bool escapeOpen = false;
};

// Splits a text into logical lines the way the reader does: blanks and
// comment lines (';' first) before a line are skipped, a backslash carries
// a line on past its line break, quotes run across line breaks, and a ';'
// outside quotes ends a line (the rest is a comment).
class LineReader {
public:
    explicit LineReader(QByteArrayView text)
        : text_(text)
    {
        // A byte-order mark is not part of the first line.
        if (text_.startsWith("\xEF\xBB\xBF"))
            position_ = 3;
    }

    bool next(Line& line)
    {
        const qsizetype size = text_.size();
        qsizetype start = position_;
        while (start < size && isLineSpace(text_[start]))
            ++start;
        line.equals = -1;
        line.escapeOpen = false;
        bool inQuotes = false;
        qsizetype i = start;
        while (true) {
            // Most bytes mean nothing to the splitting.
            while (i < size && !Special[static_cast<unsigned char>(text_[i])])
                ++i;
            if (i == size)
                break;
            const char c = text_[i];
            if (isLineEnd(c) && !inQuotes)
                break;
            if (c == ';' && i == start) {
                while (i < size && !isLineEnd(text_[i]))
                    ++i;
                while (i < size && isLineSpace(text_[i]))
                    ++i;
                start = i;
                continue;
            }
            if (c == ';' && !inQuotes)
                break;
            ++i;
            if (c == '=' && !inQuotes && line.equals < 0)
                line.equals = i - 1;
            else if (c == '"')
                inQuotes = !inQuotes;
            else if (c == '\\' && i == size)
                line.escapeOpen = true;
            else if (c == '\\')
                i += (i + 1 < size && isLineEnd(text_[i]) && isLineEnd(text_[i + 1]) && text_[i] != text_[i + 1]) ? 2
                                                                                                                  : 1;
        }
        position_ = i;
        line.begin = start;
        line.end = i;
        line.quoteOpen = inQuotes;
        return i > start;
    }

private:
    QByteArrayView text_;
    qsizetype position_ = 0;
};

// The group a section header opens, with its closing '/'; the top-level
// group (empty) for [General].
QString sectionPrefix(QByteArrayView header)
{
    qsizetype close = header.indexOf(']');
    if (close < 0)
        close = header.size();
    const QByteArrayView name = header.sliced(1, close - 1).trimmed();
    if (name.compare("general", Qt::CaseInsensitive) == 0)
        return {};
    if (name.compare("%general", Qt::CaseInsensitive) == 0)
        return QString::fromLatin1(name.sliced(1)) + QLatin1Char('/');
    return IniText::unescapedKey(name) + QLatin1Char('/');
}

QByteArray sectionHeader(const QString& section)
{
    // [General] holds the top-level keys; a section of that name is written
    // apart from them.
    if (section.compare(QLatin1String("general"), Qt::CaseInsensitive) == 0)
        return '[' + ('%' + section.toLatin1()) + ']';
    return '[' + IniText::escapedKey(section) + ']';
}

// Past the line break that follows position (the rest of the line is a
// comment, if any).
qsizetype pastLineBreak(QByteArrayView text, qsizetype position)
{
    while (position < text.size() && !isLineEnd(text[position]))
        ++position;
    if (position < text.size())
        position += (text.sliced(position).startsWith("\r\n")) ? 2 : 1;
    return position;
}

} // namespace

QByteArray IniText::escapedKey(const QString& key)
{
    QByteArray escaped;
    escaped.reserve(key.size());
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == u'/') {
            escaped += '\\';
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'
            || c == u'-' || c == u'.') {
            escaped += static_cast<char>(c);
        } else if (c <= 0xFF) {
            escaped += '%';
            escaped += HexDigits[c / 16];
            escaped += HexDigits[c % 16];
        } else {
            escaped += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                escaped += HexDigits[(c >> shift) & 0xF];
        }
    }
    return escaped;
}

QString IniText::unescapedKey(QByteArrayView key)
{
    const QString decoded = QString::fromUtf8(key);
    QString result;
    result.reserve(decoded.size());
    for (qsizetype i = 0; i < decoded.size();) {
        const QChar c = decoded[i];
        if (c == u'\\') {
            result += u'/';
            ++i;
            continue;
        }
        if (c != u'%' || i + 1 == decoded.size()) {
            result += c;
            ++i;
            continue;
        }
        const bool wide = decoded[i + 1] == u'U';
        const qsizetype first = wide ? i + 2 : i + 1;
        const qsizetype digits = wide ? 4 : 2;
        bool ok = first + digits <= decoded.size();
        const ushort code = ok ? QStringView(decoded).sliced(first, digits).toUShort(&ok, 16) : 0;
        if (!ok) {
            result += u'%';
            ++i;
            continue;
        }
        result += QChar(code);
        i = first + digits;
    }
    return result;
}

QByteArray IniText::escapedValue(const QString& value)
{
    // A string that would read as a typed value is marked as a string.
    QString text = value;
    if (text.contains(QChar::Null))
        text = QLatin1String("@String(") + text + u')';
    else if (text.startsWith(u'@'))
        text.prepend(u'@');
    const QByteArray bytes = text.toUtf8();
    QByteArray escaped;
    escaped.reserve(bytes.size() + 2);
    bool needsQuotes = false;
    bool escapeHexDigit = false;
    for (const char c : bytes) {
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        // A digit right after a numeric escape would be read as part of it.
        if (escapeHexDigit && isHexDigit(c)) {
            escaped += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        escapeHexDigit = false;
        switch (c) {
        case '\0':
            escaped += "\\0";
            escapeHexDigit = true;
            break;
        case '\a': escaped += "\\a"; break;
        case '\b': escaped += "\\b"; break;
        case '\f': escaped += "\\f"; break;
        case '\n': escaped += "\\n"; break;
        case '\r': escaped += "\\r"; break;
        case '\t': escaped += "\\t"; break;
        case '\v': escaped += "\\v"; break;
        case '"':
        case '\\':
            escaped += '\\';
            escaped += c;
            break;
        default:
            if (static_cast<unsigned char>(c) <= 0x1F) {
                escaped += "\\x" + QByteArray::number(c, 16);
                escapeHexDigit = true;
            } else {
                escaped += c;
            }
        }
    }
    // Blanks at either end would be trimmed away unless quoted.
    if (needsQuotes || escaped.startsWith(' ') || escaped.endsWith(' '))
        return '"' + escaped + '"';
    return escaped;
}

QByteArray IniText::withEntries(const QByteArray& text, const QString& section, const Entries& entries)
{
    const QString prefix = section + QLatin1Char('/');
    QSet<QString> replaced;
    for (const auto& entry : entries)
        replaced.insert(prefix + entry.first);
    // New lines end as the first line of the file does.
    const qsizetype firstBreak = text.indexOf('\n');
    const bool crlf = firstBreak > 0 && text[firstBreak - 1] == '\r';
    const QByteArray lineBreak = crlf ? "\r\n" : "\n";

    // The lines that give a replaced key go; only sections whose group
    // could hold one of them need their keys read.
    struct Cut {
        qsizetype from;
        qsizetype to;
    };
    std::vector<Cut> cuts;
    // Where the entries go: after the last line of the first part headed
    // by the section.
    qsizetype insertAt = -1;
    bool inTarget = false;
    bool relevant = true;
    QString group;
    // The line that runs to the end of the text, unless it goes: what is
    // added after it would carry it on.
    std::optional<Line> lastLine;
    LineReader reader(text);
    Line line;
    while (reader.next(line)) {
        bool cutLast = false;
        const QByteArrayView content = QByteArrayView(text).sliced(line.begin, line.end - line.begin);
        if (content.startsWith('[')) {
            group = sectionPrefix(content);
            inTarget = insertAt < 0 && group == prefix;
            relevant = std::any_of(
                replaced.begin(), replaced.end(), [&](const QString& key) { return key.startsWith(group); });
        } else if (relevant && line.equals >= 0) {
            const QByteArrayView key = QByteArrayView(text).sliced(line.begin, line.equals - line.begin).trimmed();
            cutLast = replaced.contains(group + unescapedKey(key));
            if (cutLast) {
                qsizetype from = line.begin;
                while (from > 0 && (text[from - 1] == ' ' || text[from - 1] == '\t'))
                    --from;
                const bool endsAtBreak = line.end < text.size() && isLineEnd(text[line.end]);
                cuts.push_back({from, endsAtBreak ? pastLineBreak(text, line.end) : line.end});
            }
        }
        if (inTarget)
            insertAt = pastLineBreak(text, line.end);
        if (line.end == text.size() && !cutLast)
            lastLine = line;
    }

    QByteArray added;
    for (const auto& [key, value] : entries)
        added += escapedKey(key) + '=' + escapedValue(value) + lineBreak;
    const bool newSection = insertAt < 0;
    if (newSection)
        insertAt = text.size();

    QByteArray result;
    result.reserve(text.size() + added.size() + section.size() + 8);
    const auto insert = [&] {
        bool atLineStart = result.isEmpty() || isLineEnd(result.back());
        if (insertAt == text.size() && lastLine) {
            // A line break after a backslash only carries the line on, and
            // a closing quote at its end does not change the value.
            if (lastLine->escapeOpen)
                result += lineBreak;
            if (lastLine->quoteOpen)
                result += '"';
            atLineStart = false;
        }
        if (newSection) {
            // Apart from the part before it by a blank line.
            if (!result.isEmpty())
                result += atLineStart ? lineBreak : lineBreak + lineBreak;
            result += sectionHeader(section) + lineBreak;
        } else if (!atLineStart) {
            result += lineBreak;
        }
        result += added;
    };
    qsizetype position = 0;
    const auto copyTo = [&](qsizetype end) {
        if (insertAt >= position && insertAt <= end) {
            result += QByteArrayView(text).sliced(position, insertAt - position);
            insert();
            result += QByteArrayView(text).sliced(insertAt, end - insertAt);
            insertAt = -1;
        } else {
            result += QByteArrayView(text).sliced(position, end - position);
        }
    };
    for (const Cut& cut : cuts) {
        copyTo(cut.from);
        position = cut.to;
    }
    copyTo(text.size());
    return result;
}

} // namespace norvo::qt
