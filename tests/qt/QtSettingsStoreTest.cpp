#include "QtTestSupport.h"

#include "qt/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <unistd.h>

namespace norvo::qt {
namespace {

using testing::readByQSettings;
using Values = testing::IniValues;

struct QtSettingsStoreTest : ::testing::Test {
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
using KeyAndValue = std::pair<std::string, std::string>;

struct EscapingTest : QtSettingsStoreTest, ::testing::WithParamInterface<KeyAndValue> { };

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
    ::testing::Values(KeyAndValue{"CHANNEL0", ""}, KeyAndValue{"CHANNEL0", " EDDF_TWR "},
        KeyAndValue{"CHANNEL0", "a,b"}, KeyAndValue{"CHANNEL0", "a;b=c"}, KeyAndValue{"CHANNEL0", "say \"hi\" \\ back"},
        KeyAndValue{"CHANNEL0", "@at"}, KeyAndValue{"CHANNEL0", "line1\r\nline2\ttab"},
        KeyAndValue{"CHANNEL0", "bell\a7 ctl\001Af"}, KeyAndValue{"CHANNEL0", std::string("nul\0007", 5)},
        KeyAndValue{"CHANNEL0", "Zürich 東京 \U0001F6E9"}, KeyAndValue{"CHANNEL0", "[not a section]"},
        KeyAndValue{"sub/key", "x"}, KeyAndValue{"with space%", "x"}, KeyAndValue{"Ünï东", "x"}));

// The store on a file that another program changes meanwhile.
TEST_F(QtSettingsStoreTest, SavesKeepWhatOtherProgramsWriteAndWriteOnlyChanges)
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
    void (*breakIt)(QtSettingsStoreTest& test);
    // What the store still reads under CHANNEL0.
    const char* channel0;
};

void PrintTo(const BrokenFile& c, std::ostream* out) { *out << c.name; }

struct BrokenFileTest : QtSettingsStoreTest, ::testing::WithParamInterface<BrokenFile> {
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
            [](QtSettingsStoreTest& test) { test.write("[PRIVATE]\nCHANNEL0=A\n[OTHER]\nno equals sign\n"); }, "A"},
        BrokenFile{"FolderInItsPlace", SettingsProblem::Kind::Unreadable,
            [](QtSettingsStoreTest& test) {
                ASSERT_TRUE(QDir(test.folder.path()).mkdir(QStringLiteral("NORVOUITOKA.ini")));
            },
            "?"},
        // The user's account may be allowed to write anyway (root): the
        // file's own bits say that the user wants it kept.
        BrokenFile{"ReadOnlyFile", SettingsProblem::Kind::Unwritable,
            [](QtSettingsStoreTest& test) {
                test.write("[PRIVATE]\nCHANNEL0=A\n");
                QFile::setPermissions(test.path(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
            },
            "A"},
        BrokenFile{"ReadOnlyFolder", SettingsProblem::Kind::Unwritable,
            [](QtSettingsStoreTest& test) {
                QFile::setPermissions(test.folder.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            },
            "?"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(QtSettingsStoreTest, FileUnderAFileCannotBeWritten)
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
