#include "QtTestSupport.h"

#include "qt/IniText.h"
#include "qt/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <map>
#include <random>
#include <unistd.h>

namespace norvo::qt {
namespace {

using Values = std::map<QString, QString>;

// Every key of a text with its value, as QSettings reads them. Each text is
// read from a file of its own: QSettings keeps what it read of a file name.
// Keys with a '/' too many (at an end, or doubled) and the empty key are left
// out: QSettings lists them, but asking for them gives another key's value.
Values readByQSettings(const QByteArray& text, QSettings::Status* status = nullptr)
{
    static int copies = 0;
    static QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("copy%1.ini").arg(++copies));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    QSettings settings(path, QSettings::IniFormat);
    Values values;
    for (const QString& key : settings.allKeys())
        if (!key.isEmpty() && key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/')) == key)
            values[key] = settings.value(key).toString();
    if (status)
        *status = settings.status();
    return values;
}

struct SettingsFileTest : ::testing::Test {
    QString path() const { return folder.filePath(QStringLiteral("NORVOUITOKA.ini")); }
    QByteArray bytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    void write(const QByteArray& text) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
    }
    std::string get(const char* key) { return store.GetSetting("NORVOUITOKA", "PRIVATE", key, "?"); }
    bool save(const SettingsStore::Entries& entries) { return store.SaveSettings("NORVOUITOKA", "PRIVATE", entries); }

    QTemporaryDir folder;
    QtSettingsStore store{folder.path()};
};

// Values and keys that need escaping, as QSettings writes them and as this
// store writes them: each reads the other's file, and both write the same
// line.
struct EscapingTest : SettingsFileTest, ::testing::WithParamInterface<std::pair<std::string, std::string>> { };

TEST_P(EscapingTest, MatchesQSettingsBothWays)
{
    const auto& [key, value] = GetParam();
    store.SaveSetting("NORVOUITOKA", "PRIVATE", key, value);
    const QString fullKey = QStringLiteral("PRIVATE/") + QString::fromStdString(key);
    EXPECT_EQ(readByQSettings(bytes())[fullKey], QString::fromStdString(value));

    QTemporaryDir other;
    {
        QSettings settings(other.filePath(QStringLiteral("NORVOUITOKA.ini")), QSettings::IniFormat);
        settings.setValue(fullKey, QString::fromStdString(value));
    }
    QtSettingsStore reader(other.path());
    EXPECT_EQ(reader.GetSetting("NORVOUITOKA", "PRIVATE", key, "?"), value);
    QFile written(other.filePath(QStringLiteral("NORVOUITOKA.ini")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), bytes());
}

INSTANTIATE_TEST_SUITE_P(Settings, EscapingTest,
    ::testing::Values(std::pair<std::string, std::string>{"CHANNEL0", ""},
        std::pair<std::string, std::string>{"CHANNEL0", " EDDF_TWR "},
        std::pair<std::string, std::string>{"CHANNEL0", "a,b"},
        std::pair<std::string, std::string>{"CHANNEL0", "a;b=c"},
        std::pair<std::string, std::string>{"CHANNEL0", "say \"hi\" \\ back"},
        std::pair<std::string, std::string>{"CHANNEL0", "@at"},
        std::pair<std::string, std::string>{"CHANNEL0", "line1\r\nline2\ttab"},
        std::pair<std::string, std::string>{"CHANNEL0",
            "bell\x07"
            "7 ctl\x01"
            "Af"},
        std::pair<std::string, std::string>{"CHANNEL0",
            std::string("nul\0"
                        "7",
                5)},
        std::pair<std::string, std::string>{"CHANNEL0", "Zürich 東京 \U0001F6E9"},
        std::pair<std::string, std::string>{"CHANNEL0", "[not a section]"},
        std::pair<std::string, std::string>{"sub/key", "x"}, std::pair<std::string, std::string>{"with space%", "x"},
        std::pair<std::string, std::string>{"Ünï东", "x"}));

// Random texts made of what the format treats specially: wherever the file
// gives a key that changes, and however its lines are broken, quoted and
// commented, QSettings reads the new values and every other key as before.
TEST(IniTextTest, ChangedTextReadsAsTheOldOneWithTheNewValues)
{
    const std::vector<QByteArray> pieces = {"[PRIVATE]", "[OTHER]", "[General]", "[%50RIVATE]", "CHANNEL0", "CHANNEL1",
        "PRIVATE\\CHANNEL1", "x", "=", "=v", "\"", "\\", ";", " ", "\t", "\n", "\n", "\n", "\r\n", ",", "@"};
    const IniText::Entries entries = {{"CHANNEL0", "new ; 0"}, {"CHANNEL1", "\"1\""}, {"CHANNEL2", ""}};
    std::mt19937 random(9);
    int parsed = 0;
    for (int round = 0; round < 600; ++round) {
        QByteArray text;
        for (int piece = std::uniform_int_distribution<int>(0, 24)(random); piece > 0; --piece)
            text += pieces[std::uniform_int_distribution<std::size_t>(0, pieces.size() - 1)(random)];
        QSettings::Status status;
        Values expected = readByQSettings(text, &status);
        if (status != QSettings::NoError)
            continue;
        ++parsed;
        for (const auto& [key, value] : entries)
            expected[QStringLiteral("PRIVATE/") + key] = value;
        const QByteArray changed = IniText::withEntries(text, QStringLiteral("PRIVATE"), entries);
        EXPECT_EQ(readByQSettings(changed, &status), expected) << text.toStdString() << "\n--\n"
                                                               << changed.toStdString();
        EXPECT_EQ(status, QSettings::NoError);
    }
    EXPECT_GT(parsed, 150);
}

TEST(IniTextTest, LinesThatDoNotChangeKeepTheirBytes)
{
    const QByteArray text = "; the user's notes\r\n[General]\r\nPRIVATE\\CHANNEL1=stale\r\ntop=1\r\n\r\n"
                            "[OTHER]\r\nstray = \"x;y\" ; why\r\n\r\n[PRIVATE]\r\nCHANNEL0=OLD\r\n"
                            "  CHANNEL1 = B ; kept\r\nFOREIGN=keep\r\n\r\n[PRIVATE]\r\nCHANNEL0=shadow";
    EXPECT_EQ(IniText::withEntries(text, QStringLiteral("PRIVATE"), {{"CHANNEL0", "A"}, {"CHANNEL1", ""}}),
        QByteArray("; the user's notes\r\n[General]\r\ntop=1\r\n\r\n[OTHER]\r\nstray = \"x;y\" ; why\r\n\r\n"
                   "[PRIVATE]\r\n; kept\r\nFOREIGN=keep\r\nCHANNEL0=A\r\nCHANNEL1=\r\n\r\n[PRIVATE]\r\n"));
    EXPECT_EQ(IniText::withEntries("[OTHER]\nx=1", QStringLiteral("PRIVATE"), {{"CHANNEL0", "A"}}),
        QByteArray("[OTHER]\nx=1\n\n[PRIVATE]\nCHANNEL0=A\n"));
}

// The store on a file that another program changes meanwhile.
TEST_F(SettingsFileTest, SavesKeepWhatOtherProgramsWriteAndWriteOnlyChanges)
{
    EXPECT_TRUE(save({{"CHANNEL0", " EDDF_TWR "}, {"CHANNEL1", ""}}));
    EXPECT_FALSE(save({{"CHANNEL0", " EDDF_TWR "}}));
    QtSettingsStore restarted(folder.path());
    EXPECT_EQ(restarted.GetAllSettings("NORVOUITOKA", "PRIVATE"),
        (SettingsStore::Entries{{"CHANNEL0", " EDDF_TWR "}, {"CHANNEL1", ""}}));
    write(bytes() + "[OTHER]\nkept=1\n");
    EXPECT_TRUE(save({{"CHANNEL1", "LFPG"}}));
    EXPECT_EQ(readByQSettings(bytes()),
        (Values{{"OTHER/kept", "1"}, {"PRIVATE/CHANNEL0", " EDDF_TWR "}, {"PRIVATE/CHANNEL1", "LFPG"}}));
    EXPECT_EQ(restarted.GetSetting("NORVOUITOKA", "PRIVATE", "CHANNEL1", "?"), "LFPG");
    EXPECT_EQ(restarted.problem("NORVOUITOKA"), std::nullopt);
}

struct BrokenFile {
    const char* name;
    SettingsProblem::Kind kind;
    // Makes the file (or what stands in its place) broken.
    void (*breakIt)(SettingsFileTest& test);
    // What the store still reads under CHANNEL0.
    const char* channel0;
};

struct BrokenFileTest : SettingsFileTest, ::testing::WithParamInterface<BrokenFile> {
    ~BrokenFileTest() override
    {
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile::setPermissions(path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
};

// Nothing the store cannot read, or may not write, is written over; the
// problem names the file.
TEST_P(BrokenFileTest, IsReportedAndLeftAsItIs)
{
    const BrokenFile& broken = GetParam();
    broken.breakIt(*this);
    const QByteArray before = bytes();
    EXPECT_EQ(get("CHANNEL0"), broken.channel0);
    try {
        save({{"CHANNEL0", "EDDF_TWR"}});
        ADD_FAILURE() << "saved";
    } catch (const SettingsError& error) {
        EXPECT_EQ(error.problem().kind, broken.kind);
        EXPECT_EQ(error.problem().file, path().toStdString());
        EXPECT_EQ(store.problem("NORVOUITOKA"), error.problem());
    }
    EXPECT_EQ(bytes(), before);
    EXPECT_EQ(get("CHANNEL0"), broken.channel0);
}

INSTANTIATE_TEST_SUITE_P(Settings, BrokenFileTest,
    ::testing::Values(
        // QSettings reads sections only when asked for them.
        BrokenFile{"StrayLineInAnotherSection", SettingsProblem::Kind::Unparseable,
            [](SettingsFileTest& test) { test.write("[PRIVATE]\nCHANNEL0=A\n[OTHER]\nno equals sign\n"); }, "A"},
        BrokenFile{"FolderInItsPlace", SettingsProblem::Kind::Unreadable,
            [](SettingsFileTest& test) {
                ASSERT_TRUE(QDir(test.folder.path()).mkdir(QStringLiteral("NORVOUITOKA.ini")));
            },
            "?"},
        // The user's account may be allowed to write anyway (root): the
        // file's own bits say that the user wants it kept.
        BrokenFile{"ReadOnlyFile", SettingsProblem::Kind::Unwritable,
            [](SettingsFileTest& test) {
                test.write("[PRIVATE]\nCHANNEL0=A\n");
                QFile::setPermissions(test.path(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
            },
            "A"},
        BrokenFile{"ReadOnlyFolder", SettingsProblem::Kind::Unwritable,
            [](SettingsFileTest& test) {
                QFile::setPermissions(test.folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            },
            "?"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtSettingsStoreTest, FileUnderAFileCannotBeWritten)
{
    QTemporaryDir folder;
    QFile plain(folder.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    const auto store = QtSettingsStore::forFile(folder.filePath(QStringLiteral("plain/settings.ini")));
    EXPECT_EQ(store->GetSetting("NORVOUITOKA", "PRIVATE", "CHANNEL0", "?"), "?");
    EXPECT_THROW(store->SaveSetting("NORVOUITOKA", "PRIVATE", "CHANNEL0", "A"), SettingsError);
    EXPECT_EQ(store->problem("NORVOUITOKA")->kind, SettingsProblem::Kind::Unwritable);
}

} // namespace
} // namespace norvo::qt
