// Reads arbitrary bytes as a settings file, sets values of one section and
// reads the result again, aborting on any mismatch:
// - a file that reads in full still does, and every key has its value: the
//   new ones where set, the old ones everywhere else;
// - setting what the file holds already changes no byte, and neither does
//   setting the same values twice;
// - in a file without quotes, backslashes or carriage returns (where every
//   line stands alone), every line that gives no changed key keeps its
//   bytes and its place, and a changed one keeps its key and its comment.
#include "qt/common/IniText.h"

#include <QByteArrayList>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <map>

namespace {

using norvo::qt::IniText;

using Values = std::map<QString, QByteArray>;

Values allValues(const QByteArray& text)
{
    Values values;
    for (const auto& [key, value] : IniText::entries(text, {}))
        values[key] = value.bytes().toByteArray();
    return values;
}

// The entries of a section as a change would set them.
IniText::Entries heldEntries(const QByteArray& text, const QString& prefix)
{
    IniText::Entries held;
    for (const auto& [key, value] : IniText::entries(text, prefix))
        held.emplace_back(key, value.bytes().toByteArray());
    return held;
}

void require(bool condition)
{
    if (!condition)
        std::abort();
}

QList<QByteArray> lines(const QByteArray& text, bool withEquals)
{
    QList<QByteArray> found;
    for (const QByteArray& line : text.split('\n'))
        if (line.contains('=') == withEquals)
            found.append(line);
    return found;
}

// A key line whose value changed: the same bytes up to its '=', and from
// its comment on.
bool sameButTheValue(const QByteArray& before, const QByteArray& after)
{
    const qsizetype equals = before.indexOf('=');
    const qsizetype comment = before.indexOf(';', equals);
    return after.startsWith(before.first(equals + 1)) && (comment < 0 || after.endsWith(before.sliced(comment)));
}

void checkLines(const QByteArray& before, const QByteArray& after, int changedKeys, int newKeys)
{
    // Lines without '=' (headers, comments, blanks) stay in order; a new
    // part adds its header and a blank line.
    const QList<QByteArray> kept = lines(before, false);
    const QList<QByteArray> now = lines(after, false);
    qsizetype next = 0;
    for (const QByteArray& line : kept) {
        while (next < now.size() && now[next] != line)
            ++next;
        require(next < now.size());
        ++next;
    }
    require(now.size() - kept.size() <= 3);
    // Key lines: each one as it was, or with another value.
    QList<QByteArray> keyLines = lines(after, true);
    int edited = 0;
    for (const QByteArray& line : lines(before, true)) {
        if (keyLines.removeOne(line))
            continue;
        const auto edit = std::find_if(keyLines.begin(), keyLines.end(),
            [&](const QByteArray& candidate) { return sameButTheValue(line, candidate); });
        require(edit != keyLines.end());
        keyLines.erase(edit);
        ++edited;
    }
    require(edited <= changedKeys);
    require(keyLines.size() == newKeys);
}

// Values that the format treats specially.
const QByteArray Tricky[] = {"", " padded ", "a;b", "say \"hi\"", "back\\slash", "line\r\nbreak", "@at", "@@x",
    QByteArray("nul\0007", 5), "\xff\xfe", "\tT", "a,b", "=", "[S]", "%41", "\\x41", "\xc3\xa9"};
const QString Sections[]
    = {QStringLiteral("PRIVATE"), QStringLiteral("OTHER"), QStringLiteral("General"), QStringLiteral("a b/c")};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray before(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    // Which section and which values: a hash of the bytes, so that every
    // seed is a whole file.
    std::uint32_t choice = 2166136261u;
    for (std::size_t i = 0; i < size; ++i)
        choice = (choice ^ data[i]) * 16777619u;
    // A file that does not read in full is never written.
    if (IniText::formatError(before))
        return 0;
    const QString section = Sections[choice % std::size(Sections)];
    const QString prefix = section + QLatin1Char('/');
    const IniText::Entries held = heldEntries(before, prefix);
    require(IniText::withEntries(before, section, held) == before);

    IniText::Entries set;
    int changedKeys = 0;
    for (std::size_t n = 0; n < held.size() && n < 8; ++n) {
        const QByteArray& value = Tricky[(choice / 7 + n) % std::size(Tricky)];
        set.emplace_back(held[n].first, (choice >> n) & 1 ? held[n].second : value);
        changedKeys += set.back().second != held[n].second;
    }
    const QString added = QStringLiteral("CHANNEL%1").arg(choice % 23);
    const bool isNew = std::none_of(held.begin(), held.end(), [&](const auto& entry) { return entry.first == added; });
    if (isNew)
        set.emplace_back(added, Tricky[choice % std::size(Tricky)]);

    const QByteArray after = IniText::withEntries(before, section, set);
    require(!IniText::formatError(after));
    Values expected = allValues(before);
    for (const auto& [key, value] : set)
        expected[prefix + key] = value;
    require(allValues(after) == expected);
    require(IniText::withEntries(after, section, set) == after);
    if (!before.contains('"') && !before.contains('\\') && !before.contains('\r'))
        checkLines(before, after, changedKeys, isNew ? 1 : 0);
    return 0;
}
