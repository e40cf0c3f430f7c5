#include "qt/common/IniText.h"

#include "platform/HexDigit.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <map>

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

// One logical line: from its first byte to the byte that ended it, and its
// first '=' outside quotes (-1 when none). A line that runs to the end of
// the text may end inside quotes, on a backslash, or on a backslash and one
// byte of a line break, which would carry it on into whatever is added
// after it (a "\r" and an added "\n" are one break).
struct Line {
    qsizetype begin = 0;
    qsizetype end = 0;
    qsizetype equals = -1;
    bool quoteOpen = false;
    bool escapeOpen = false;
    char escapedBreak = 0;
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
        line.escapedBreak = 0;
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
            else if (c == '\\' && i + 1 == size && isLineEnd(text_[i]))
                line.escapedBreak = text_[i++];
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

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// A line that gives a key under the prefix being read.
struct KeyLine {
    // Without the prefix.
    QString name;
    // What follows the '='.
    QByteArrayView value;
    // The value without the blanks around it, where a new one goes.
    qsizetype valueBegin = 0;
    qsizetype valueEnd = 0;
};

// Calls visit(line, content, group, key) for each line of the text, in
// order: its bytes, the group of its section (the one it opens, for a
// header), and the key it gives when that begins with the prefix (else
// nullptr). Only the keys of sections that can hold such keys are read.
template <class Visit> void readLines(QByteArrayView text, const QString& prefix, Visit visit)
{
    LineReader reader(text);
    Line line;
    QString group;
    bool relevant = true;
    while (reader.next(line)) {
        const QByteArrayView content = text.sliced(line.begin, line.end - line.begin);
        std::optional<KeyLine> key;
        if (content.startsWith('[')) {
            group = sectionPrefix(content);
            relevant = prefix.startsWith(group) || group.startsWith(prefix);
        } else if (relevant && line.equals >= 0) {
            QString name = group + IniText::unescapedKey(text.sliced(line.begin, line.equals - line.begin).trimmed());
            if (name.startsWith(prefix)) {
                qsizetype begin = line.equals + 1;
                while (begin < line.end && isBlank(text[begin]))
                    ++begin;
                qsizetype end = line.end;
                while (end > begin && isBlank(text[end - 1]))
                    --end;
                key = KeyLine{
                    name.sliced(prefix.size()), text.sliced(line.equals + 1, line.end - line.equals - 1), begin, end};
            }
        }
        visit(line, content, group, key ? &*key : nullptr);
    }
}

// The escapes that stand for one character.
char simpleEscape(char c)
{
    switch (c) {
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    case '"':
    case '?':
    case '\'':
    case '\\': return c;
    default: return 0;
    }
}

int digitValue(char c, int base)
{
    const int value = (c >= '0' && c <= '9') ? c - '0'
        : (c >= 'a' && c <= 'f')             ? c - 'a' + 10
        : (c >= 'A' && c <= 'F')             ? c - 'A' + 10
                                             : base;
    return value < base ? value : -1;
}

// A numeric escape is one UTF-16 code unit: the low 16 bits of its number,
// in UTF-8 (a lone surrogate as the replacement character).
void appendCodeUnit(QByteArray& bytes, std::uint32_t number)
{
    std::uint32_t unit = number & 0xFFFF;
    if (unit >= 0xD800 && unit <= 0xDFFF)
        unit = 0xFFFD;
    if (unit < 0x80) {
        bytes += static_cast<char>(unit);
    } else if (unit < 0x800) {
        bytes += static_cast<char>(0xC0 | (unit >> 6));
        bytes += static_cast<char>(0x80 | (unit & 0x3F));
    } else {
        bytes += static_cast<char>(0xE0 | (unit >> 12));
        bytes += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (unit & 0x3F));
    }
}

// A value marked as a string or as bytes, as QSettings marks them; other
// typed values (@Rect(...), @Variant(...)) stay as they are written.
QByteArray unmarked(QByteArray value)
{
    if (!value.startsWith('@'))
        return value;
    if (value.endsWith(')')) {
        if (value.startsWith("@ByteArray("))
            return value.sliced(11).chopped(1);
        if (value.startsWith("@String("))
            return value.sliced(8).chopped(1);
        if (value == "@Invalid()")
            return {};
    }
    if (value.startsWith("@@"))
        return value.sliced(1);
    return value;
}

} // namespace

std::optional<QString> IniText::formatError(QByteArrayView text)
{
    LineReader reader(text);
    Line line;
    while (reader.next(line)) {
        const QByteArrayView content = text.sliced(line.begin, line.end - line.begin);
        if (content.startsWith('[') ? !content.contains(']') : line.equals < 0)
            return QStringLiteral("line %1 is neither a [section], a key=value nor a ;comment")
                .arg(text.first(line.begin).count('\n') + 1);
    }
    return std::nullopt;
}

IniText::ReadEntries IniText::entries(QByteArrayView text, const QString& prefix)
{
    struct Given {
        qsizetype groupSize = -1;
        Value value;
    };
    std::map<QString, Given> given;
    readLines(text, prefix, [&](const Line&, QByteArrayView, const QString& group, const KeyLine* key) {
        if (!key || key->name.isEmpty())
            return;
        Given& found = given[key->name];
        if (group.size() >= found.groupSize)
            found = {group.size(), readValue(key->value)};
    });
    ReadEntries result;
    result.reserve(given.size());
    for (auto& [name, found] : given)
        result.emplace_back(name, std::move(found.value));
    return result;
}

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

QByteArray IniText::escapedValue(QByteArrayView value)
{
    // A value that would read as a typed one is marked as a string.
    QByteArray text;
    if (value.contains('\0'))
        text = "@String(" + value.toByteArray() + ')';
    else if (value.startsWith('@'))
        text = '@' + value.toByteArray();
    else
        text = value.toByteArray();
    QByteArray escaped;
    escaped.reserve(text.size() + 2);
    bool needsQuotes = false;
    bool escapeHexDigit = false;
    for (const char c : std::as_const(text)) {
        if (c == ';' || c == ',' || c == '=')
            needsQuotes = true;
        // A digit right after a numeric escape would be read as part of it.
        if (escapeHexDigit && hexDigitValue(c) >= 0) {
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

QByteArray IniText::unescapedValue(QByteArrayView value)
{
    QByteArray result;
    result.reserve(value.size());
    const qsizetype size = value.size();
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < size && isBlank(value[i]))
            ++i;
    };
    skipBlanks();
    // Blanks at the end go, unless the value has quotes or they come before
    // an escape or a closing quote.
    qsizetype kept = 0;
    bool quoted = false;
    bool inQuotes = false;
    while (i < size) {
        const char c = value[i];
        if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes) {
                skipBlanks();
                kept = result.size();
            }
            continue;
        }
        if (c != '\\') {
            qsizetype end = i + 1;
            while (end < size && value[end] != '\\' && value[end] != '"')
                ++end;
            result += value.sliced(i, end - i);
            i = end;
            continue;
        }
        if (++i == size) {
            kept = result.size();
            break;
        }
        const char escape = value[i++];
        const int base = escape == 'x' ? 16 : (escape >= '0' && escape <= '7') ? 8 : 0;
        if (const char simple = simpleEscape(escape)) {
            result += simple;
        } else if (base != 0 && (base == 8 || (i < size && digitValue(value[i], base) >= 0))) {
            std::uint32_t number = base == 8 ? static_cast<std::uint32_t>(escape - '0') : 0;
            for (int digit; i < size && (digit = digitValue(value[i], base)) >= 0; ++i)
                number = number * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
            appendCodeUnit(result, number);
        } else if (isLineEnd(escape) && i < size && isLineEnd(value[i]) && value[i] != escape) {
            // A backslash and a line break carry the line on: "\r\n" and
            // "\n\r" are one break.
            ++i;
        }
        // Any other byte after a backslash is left out.
        kept = result.size();
    }
    if (!quoted)
        while (result.size() > kept && isBlank(result.back()))
            result.chop(1);
    return unmarked(std::move(result));
}

IniText::Value IniText::readValue(QByteArrayView value)
{
    qsizetype begin = 0;
    qsizetype end = value.size();
    while (begin < end && isBlank(value[begin]))
        ++begin;
    while (end > begin && isBlank(value[end - 1]))
        --end;
    const QByteArrayView bytes = value.sliced(begin, end - begin);
    // Without quotes, escapes or a type mark, a value is its bytes without
    // the blanks around them.
    if (bytes.startsWith('@') || bytes.contains('"') || bytes.contains('\\'))
        return {{}, unescapedValue(value)};
    return {bytes, std::nullopt};
}

QByteArray IniText::withEntries(const QByteArray& text, const QString& section, const Entries& entries)
{
    const QString prefix = section + QLatin1Char('/');
    // For a key given twice in the entries, the later counts.
    QHash<QString, std::size_t> last;
    for (std::size_t i = 0; i < entries.size(); ++i)
        last.insert(entries[i].first, i);
    // The line that gives each key now.
    struct Given {
        qsizetype groupSize = -1;
        KeyLine line;
    };
    QHash<QString, Given> given;
    // Where new keys go: after the last line of the first part headed by
    // the section.
    qsizetype insertAt = -1;
    bool inTarget = false;
    // The line that runs to the end of the text, unless a new value goes
    // into it: what is added after it would carry it on.
    std::optional<Line> lastLine;
    readLines(text, prefix, [&](const Line& line, QByteArrayView content, const QString& group, const KeyLine* key) {
        if (content.startsWith('['))
            inTarget = insertAt < 0 && group == prefix;
        if (key && last.contains(key->name)) {
            Given& found = given[key->name];
            if (group.size() >= found.groupSize)
                found = {group.size(), *key};
        }
        if (inTarget)
            insertAt = pastLineBreak(text, line.end);
        if (line.end == text.size())
            lastLine = line;
    });

    // New lines end as the first line of the file does.
    const qsizetype firstBreak = text.indexOf('\n');
    const QByteArray lineBreak = (firstBreak > 0 && text[firstBreak - 1] == '\r') ? "\r\n" : "\n";
    struct Edit {
        qsizetype from;
        qsizetype to;
        QByteArray bytes;
    };
    std::vector<Edit> edits;
    QByteArray added;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto& [key, value] = entries[i];
        if (last.value(key) != i)
            continue;
        const auto found = given.constFind(key);
        if (found == given.constEnd()) {
            added += escapedKey(key) + '=' + escapedValue(value) + lineBreak;
        } else if (readValue(found->line.value).bytes() != QByteArrayView(value)) {
            edits.push_back({found->line.valueBegin, found->line.valueEnd, escapedValue(value)});
            if (lastLine && found->line.valueBegin >= lastLine->begin)
                lastLine.reset();
        }
    }
    std::sort(edits.begin(), edits.end(), [](const Edit& a, const Edit& b) { return a.from < b.from; });
    const bool newSection = insertAt < 0;
    if (added.isEmpty())
        insertAt = -1;
    else if (newSection)
        insertAt = text.size();

    QByteArray result;
    result.reserve(text.size() + added.size() + section.size() + 8);
    const auto insert = [&] {
        bool atLineStart = result.isEmpty() || isLineEnd(result.back());
        if (insertAt == text.size() && lastLine) {
            // A line break after a backslash only carries the line on, and
            // a closing quote at its end does not change the value; a
            // break of the kind a backslash escaped last ends the line.
            if (lastLine->escapeOpen)
                result += lineBreak;
            if (lastLine->quoteOpen)
                result += '"';
            else if (lastLine->escapedBreak)
                result += lastLine->escapedBreak;
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
    // New keys that go at the end of a last line whose value changes go
    // after the new value.
    const auto copyTo = [&](qsizetype end, bool toTheEnd) {
        if (insertAt >= position && (insertAt < end || toTheEnd)) {
            result += QByteArrayView(text).sliced(position, insertAt - position);
            insert();
            result += QByteArrayView(text).sliced(insertAt, end - insertAt);
            insertAt = -1;
        } else {
            result += QByteArrayView(text).sliced(position, end - position);
        }
        position = end;
    };
    for (const Edit& edit : edits) {
        copyTo(edit.from, false);
        result += edit.bytes;
        position = edit.to;
    }
    copyTo(text.size(), true);
    return result;
}

} // namespace norvo::qt
