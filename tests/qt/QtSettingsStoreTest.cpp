#include "QtTestSupport.h"
#include "support/CaseNames.h"

#include "qt/common/QtSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <functional>

#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace norvo::qt {
namespace {

using testing::readByQSettings;

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

// The store on a file that another program changes meanwhile: within one
// turn of the event loop it takes the file as it first found it there, and a
// save still keeps what the other program wrote.
TEST_F(QtSettingsStoreTest, SavesKeepWhatOtherProgramsWriteAndWriteOnlyChanges)
{
    EXPECT_TRUE(save({{"CHANNEL0", "A"}, {"CHANNEL1", ""}}));
    EXPECT_FALSE(save({{"CHANNEL0", "A"}}));
    QtSettingsStore restarted(folder.path());
    EXPECT_EQ(restarted.GetAllSettings("NORVOUITOKA", "PRIVATE"),
        (SettingsStore::Entries{{"CHANNEL0", "A"}, {"CHANNEL1", ""}}));
    write("[PRIVATE]\nCHANNEL0=BB\n[OTHER]\nkept=1\n");
    EXPECT_EQ(get("CHANNEL0"), "A");
    EXPECT_TRUE(save({{"CHANNEL1", "C"}}));
    EXPECT_EQ(bytes(), "[PRIVATE]\nCHANNEL0=BB\nCHANNEL1=C\n[OTHER]\nkept=1\n");
    EXPECT_EQ(restarted.GetSetting("NORVOUITOKA", "PRIVATE", "CHANNEL1", "?"), "");
    QCoreApplication::processEvents();
    EXPECT_EQ(restarted.GetSetting("NORVOUITOKA", "PRIVATE", "CHANNEL1", "?"), "C");
    EXPECT_EQ(restarted.problem("NORVOUITOKA"), std::nullopt);
}

// Settings kept elsewhere (a dotfile repository) stay there.
TEST_F(QtSettingsStoreTest, SaveThroughALinkReplacesTheFileItNames)
{
    QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(QStringLiteral("settings.ini"));
    ASSERT_TRUE(QFile::link(target, path()));
    EXPECT_TRUE(save({{"CHANNEL0", "A"}}));
    EXPECT_EQ(QFileInfo(path()).symLinkTarget(), target);
    EXPECT_EQ(bytes(), "[PRIVATE]\nCHANNEL0=A\n");
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

// A save changes the bytes of the values that change, where the file gives
// them, and adds the keys it lacks: invalid UTF-8 and every other line stay
// byte for byte, a key given twice (the later counts) and a section given
// twice keep their places. What is saved reads back exactly.
struct ByteForByte {
    const char* name;
    QByteArray before;
    SettingsStore::Entries saved;
    QByteArray after;
};

void PrintTo(const ByteForByte& c, std::ostream* out) { *out << c.name; }

struct ByteForByteTest : QtSettingsStoreTest, ::testing::WithParamInterface<ByteForByte> { };

TEST_P(ByteForByteTest, SaveChangesOnlyTheValuesThatChange)
{
    const ByteForByte& c = GetParam();
    write(c.before);
    EXPECT_EQ(get("CHANNEL0"), c.saved[1].second) << "the first room moves down";
    EXPECT_TRUE(save(c.saved));
    EXPECT_EQ(bytes(), c.after);
    QtSettingsStore restarted(folder.path());
    for (const auto& [key, value] : c.saved)
        EXPECT_EQ(restarted.GetSetting("NORVOUITOKA", "PRIVATE", key, "?"), value) << key;
}

INSTANTIATE_TEST_SUITE_P(Settings, ByteForByteTest,
    ::testing::Values(ByteForByte{"InvalidUtf8", "[PRIVATE]\nCHANNEL0=caf\xe9\nOWN=\xff\xfe\n",
                          {{"CHANNEL0", "NEW"}, {"CHANNEL1", "caf\xe9"}},
                          "[PRIVATE]\nCHANNEL0=NEW\nOWN=\xff\xfe\nCHANNEL1=caf\xe9\n"},
        ByteForByte{"SectionGivenTwice",
            "[PRIVATE]\nCHANNEL0=A ; first\nX=1\n\n[OTHER]\ny=2\n\n[PRIVATE]\nCHANNEL1=B\nZ=3\n",
            {{"CHANNEL0", "C"}, {"CHANNEL1", "A"}, {"CHANNEL2", "B"}},
            "[PRIVATE]\nCHANNEL0=C ; first\nX=1\nCHANNEL2=B\n\n[OTHER]\ny=2\n\n[PRIVATE]\nCHANNEL1=A\nZ=3\n"},
        ByteForByte{"KeyGivenTwice", "[PRIVATE]\r\nCHANNEL0=OLD\r\nCHANNEL0 = A\r\n",
            {{"CHANNEL0", "B"}, {"CHANNEL1", "A"}}, "[PRIVATE]\r\nCHANNEL0=OLD\r\nCHANNEL0 = B\r\nCHANNEL1=A\r\n"},
        // A backslash and a CR carry the last line on: a "\n" after them
        // would belong to it.
        ByteForByte{"EscapedBreakAtTheEnd", "[PRIVATE]\nCHANNEL0=A\nX=y\\\r", {{"CHANNEL0", "C"}, {"CHANNEL1", "A"}},
            "[PRIVATE]\nCHANNEL0=C\nX=y\\\r\r\nCHANNEL1=A\n"},
        // A [PRIVATE] line counts before a [General] "PRIVATE\KEY" one, and
        // a key of the last line goes where it is.
        ByteForByte{"CommentsQuotesAndGeneral",
            "; notes\r\n[General]\r\nPRIVATE\\CHANNEL1=stale\r\ntop=1\r\n\r\n[OTHER]\r\nstray = \"x;y\" ; why\r\n"
            "\r\n[PRIVATE]\r\n  CHANNEL1 = \"OLD\" ; kept\r\n\r\n[PRIVATE]\r\nCHANNEL0=shadow",
            {{"CHANNEL0", "A;B"}, {"CHANNEL1", "shadow"}},
            "; notes\r\n[General]\r\nPRIVATE\\CHANNEL1=stale\r\ntop=1\r\n\r\n[OTHER]\r\nstray = \"x;y\" ; why\r\n"
            "\r\n[PRIVATE]\r\n  CHANNEL1 = shadow ; kept\r\n\r\n[PRIVATE]\r\nCHANNEL0=\"A;B\""}),
    NamedAfterPrintTo());

// What stands in the way of the file, in a child process: a file-size limit
// makes writes fail as a full disk does (0: not even a copy of the file in
// the temporary folder can be written), a tmpfs filled up is a full disk, a
// FIFO would block whoever opens it.
struct DiskFault {
    const char* name;
    enum { List, FullTmpfs, Fifo } arrangement;
    // Bytes a file may hold in the child (RLIMIT_FSIZE), if limited.
    std::optional<rlim_t> fileSizeLimit;
    // The channel read in the child, and what its save raised.
    std::string outcome;
};

void PrintTo(const DiskFault& c, std::ostream* out) { *out << c.name; }

struct DiskFaultTest : ::testing::TestWithParam<DiskFault> {
    ~DiskFaultTest() override
    {
        if (mounted)
            umount2(QFile::encodeName(where).constData(), MNT_DETACH);
    }
    // Every entry of the folder: a regular file with its bytes, anything else
    // by its type.
    std::map<std::string, QByteArray> folderState() const
    {
        std::map<std::string, QByteArray> state;
        for (const QFileInfo& entry : QDir(where).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System)) {
            QFile file(entry.filePath());
            state[entry.fileName().toStdString()]
                = entry.isFile() && file.open(QIODevice::ReadOnly) ? file.readAll() : "?";
        }
        return state;
    }

    QTemporaryDir folder;
    QString where = folder.path();
    bool mounted = false;
};

// What body returns in a child process; a child that hangs is stopped after
// 10 s.
std::string inChild(const std::function<std::string()>& body, std::optional<rlim_t> fileSizeLimit)
{
    int channel[2];
    if (pipe(channel) != 0)
        return "no pipe";
    const pid_t child = fork();
    if (child == 0) {
        if (fileSizeLimit) {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = *fileSizeLimit;
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        alarm(10);
        const std::string result = body();
        _exit(write(channel[1], result.data(), result.size()) == static_cast<ssize_t>(result.size()) ? 0 : 1);
    }
    close(channel[1]);
    std::string result;
    char buffer[512];
    for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;)
        result.append(buffer, static_cast<std::size_t>(n));
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFSIGNALED(status) ? "stopped by signal " + std::to_string(WTERMSIG(status)) : result;
}

TEST_P(DiskFaultTest, NothingIsLostAndTheProblemIsReportedAtOnce)
{
    const DiskFault& fault = GetParam();
    if (fault.arrangement == DiskFault::FullTmpfs) {
        where = folder.filePath(QStringLiteral("disk"));
        mounted
            = QDir().mkdir(where) && mount("tmpfs", QFile::encodeName(where).constData(), "tmpfs", 0, "size=64k") == 0;
        if (!mounted)
            GTEST_SKIP() << "mounting a tmpfs needs root";
    }
    const QString path = where + QStringLiteral("/NORVOUITOKA.ini");
    if (fault.arrangement == DiskFault::Fifo) {
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[PRIVATE]\n");
        for (int n = 0; n < 20; ++n)
            file.write("CHANNEL" + QByteArray::number(n) + "=ROOM_" + QByteArray::number(n) + "\n");
    }
    // The rest of the disk.
    QFile filler(where + QStringLiteral("/filler"));
    if (fault.arrangement == DiskFault::FullTmpfs && filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        while (filler.write(QByteArray(4096, 'x')) > 0) { }
    const auto before = folderState();
    const std::string outcome = inChild(
        [&] {
            const auto store = QtSettingsStore::forFile(path);
            SettingsStore::Entries list;
            for (int n = 0; n < 20; ++n)
                list.emplace_back("CHANNEL" + std::to_string(n), "A_LONGER_ROOM_NAME_" + std::to_string(n));
            const std::string seen = store->GetSetting("NORVOUITOKA", "PRIVATE", "CHANNEL0", "?") + " / ";
            try {
                store->SaveSettings("NORVOUITOKA", "PRIVATE", list);
                return seen + "saved";
            } catch (const SettingsError& error) {
                const char* kinds[] = {"Unreadable", "Unparseable", "Unwritable"};
                return seen + kinds[static_cast<int>(error.problem().kind)] + ": " + error.problem().reason;
            }
        },
        fault.fileSizeLimit);
    EXPECT_EQ(outcome, fault.outcome);
    EXPECT_EQ(folderState(), before);
}

INSTANTIATE_TEST_SUITE_P(Settings, DiskFaultTest,
    ::testing::Values(
        DiskFault{"FileSizeLimit", DiskFault::List, 512, "ROOM_0 / Unwritable: writing it: File too large"},
        DiskFault{"FullTmpfs", DiskFault::FullTmpfs, std::nullopt,
            "ROOM_0 / Unwritable: writing it: No space left on device"},
        DiskFault{"Fifo", DiskFault::Fifo, std::nullopt, "? / Unreadable: it is a FIFO, not a file"},
        DiskFault{"NothingWritableAnywhere", DiskFault::List, 0, "ROOM_0 / Unwritable: writing it: File too large"}),
    NamedAfterPrintTo());

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
