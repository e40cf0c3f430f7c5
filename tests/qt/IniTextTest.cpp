#include "QtTestSupport.h"

#include "qt/common/IniText.h"

#include <QSettings>

#include <random>

namespace norvo::qt {
namespace {

using testing::readByQSettings;
using Values = testing::IniValues;

// Random texts made of what the format treats specially: the store reads
// every string QSettings reads, and finds a text broken where QSettings does;
// wherever the text gives a key that changes, and however its lines are
// broken, quoted and commented, QSettings reads the new values and every
// other key as before.
TEST(IniTextTest, ReadsAndChangesTextsAsQSettingsReadsThem)
{
    const std::vector<QByteArray> pieces = {"[PRIVATE]", "[OTHER]", "[General]", "[%50RIVATE]", "CHANNEL0", "CHANNEL1",
        "PRIVATE\\CHANNEL1", "x", "=", "=v", "\"", "\\", ";", " ", "\t", "\n", "\n", "\n", "\r\n", "\r", ",", "@",
        "\\x4", "\\0", "1", "%41", "@@", "\xc3\xa9"};
    const IniText::Entries entries = {{"CHANNEL0", "new ; 0"}, {"CHANNEL1", "\"1\""}, {"CHANNEL2", ""}};
    std::mt19937 random(9);
    int parsed = 0;
    for (int round = 0; round < 600; ++round) {
        QByteArray text;
        for (int piece = std::uniform_int_distribution<int>(0, 24)(random); piece > 0; --piece)
            text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        QSettings::Status status;
        Values expected = readByQSettings(text, &status);
        const std::string shown = text.toStdString();
        EXPECT_EQ(IniText::formatError(text).has_value(), status == QSettings::FormatError) << shown;
        std::map<QString, QByteArray> read;
        for (const auto& [key, value] : IniText::entries(text, {}))
            read[key] = value.bytes().toByteArray();
        for (const auto& [key, value] : expected)
            EXPECT_EQ(QString::fromUtf8(read[key]), value) << key.toStdString() << " in\n" << shown;
        if (status != QSettings::NoError)
            continue;
        ++parsed;
        for (const auto& [key, value] : entries)
            expected[QStringLiteral("PRIVATE/") + key] = QString::fromUtf8(value);
        const QByteArray changed = IniText::withEntries(text, QStringLiteral("PRIVATE"), entries);
        EXPECT_EQ(readByQSettings(changed, &status), expected) << shown << "\n--\n" << changed.toStdString();
        EXPECT_EQ(status, QSettings::NoError);
    }
    EXPECT_GT(parsed, 120);
}

} // namespace
} // namespace norvo::qt
