// ArrayToFile, and OpenFile with VAL_TRUNCATE, replace a file as a whole or
// not at all.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <tuple>

#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"

namespace {

std::string Read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

// Opens name for replacing, writes `lines` lines of 100 bytes under a file
// size limit of 150 bytes, and returns what CloseFile says (kFmtCannotOpen
// when it could not be opened).
int ReplaceBeyondASizeLimit(const QByteArray &name, int lines)
{
    const std::string line(100, 'x');
    struct rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = saved;
    small.rlim_cur = 150;
    signal(SIGXFSZ, SIG_IGN);
    const int fh = OpenFile(name.constData(), VAL_WRITE_ONLY, VAL_TRUNCATE, VAL_ASCII);
    if (fh <= 0)
        return kFmtCannotOpen;
    if (setrlimit(RLIMIT_FSIZE, &small) != 0) {
        CloseFile(fh);
        return 0;
    }
    for (int i = 0; i < lines; ++i)
        WriteLine(fh, line.c_str(), 100);
    const int closed = CloseFile(fh);
    setrlimit(RLIMIT_FSIZE, &saved);
    return closed;
}

TEST(FormatReplace, FailureHalfWayKeepsTheOldContentAndLeavesNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/p.ini";
    unsigned short values[202];
    for (int i = 0; i < 202; ++i)
        values[i] = static_cast<unsigned short>(i);
    const QByteArray name = path.toLocal8Bit();
    ASSERT_EQ(ArrayToFile(name.constData(), values, VAL_UNSIGNED_SHORT_INTEGER, 202, 1,
                          VAL_GROUPS_TOGETHER, VAL_GROUPS_AS_COLUMNS, VAL_CONST_WIDTH, 5, VAL_ASCII,
                          VAL_TRUNCATE),
              0);
    const std::string old = Read(path);
    ASSERT_EQ(old.size(), 202u * 7);
    chmod(name.constData(), 0640);

    values[0] = 9;
    struct rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = saved;
    small.rlim_cur = 100;
    signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int failed = ArrayToFile(name.constData(), values, VAL_UNSIGNED_SHORT_INTEGER, 202, 1,
                                   VAL_GROUPS_TOGETHER, VAL_GROUPS_AS_COLUMNS, VAL_CONST_WIDTH, 5,
                                   VAL_ASCII, VAL_TRUNCATE);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_LT(failed, 0);
    EXPECT_EQ(Read(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    // A successful replace keeps the file's permissions.
    ASSERT_EQ(ArrayToFile(name.constData(), values, VAL_UNSIGNED_SHORT_INTEGER, 202, 1,
                          VAL_GROUPS_TOGETHER, VAL_GROUPS_AS_COLUMNS, VAL_CONST_WIDTH, 5, VAL_ASCII,
                          VAL_TRUNCATE),
              0);
    EXPECT_EQ(Read(path).substr(0, 7), "    9\r\n");
    struct stat st {};
    stat(name.constData(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

// Line by line: the old file stays readable until CloseFile, and a write
// that fails on the way leaves it as it was.
TEST(FormatReplace, LinesWrittenWithTruncateReplaceTheFileAtCloseOnly)
{
    QTemporaryDir dir;
    const QByteArray name = (dir.path() + "/s.cfg").toLocal8Bit();
    int fh = OpenFile(name.constData(), VAL_READ_WRITE, VAL_TRUNCATE, VAL_ASCII);
    ASSERT_GT(fh, 0);
    WriteLine(fh, "old", -1);
    ASSERT_EQ(CloseFile(fh), 0);

    fh = OpenFile(name.constData(), VAL_WRITE_ONLY, VAL_TRUNCATE, VAL_ASCII);
    ASSERT_GT(fh, 0);
    WriteLine(fh, "new", -1);
    EXPECT_EQ(Read(name), "old\r\n");  // a crash now would leave the old file
    ASSERT_EQ(CloseFile(fh), 0);
    EXPECT_EQ(Read(name), "new\r\n");

    const int closed = ReplaceBeyondASizeLimit(name, 10);
    EXPECT_EQ(closed, kFmtIOError);
    EXPECT_EQ(Read(name), "new\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

}  // namespace

namespace {

TEST(FormatAppend, AWriteThatFailsHalfWayLeavesNoPiece)
{
    QTemporaryDir dir;
    const QByteArray name = (dir.path() + "/r.dat").toLocal8Bit();
    const std::string line = "03-15-2026\t14:05:09\t1200\t1180\t1210\t3590\t500\t498\t2\t31\r\n";
    ASSERT_EQ(AppendToFile(name.constData(), line.data(), int(line.size())), 0);
    ASSERT_EQ(AppendToFile(name.constData(), line.data(), int(line.size())), 0);
    EXPECT_EQ(Read(dir.path() + "/r.dat"), line + line);

    // Room for half a line more.
    struct rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    struct rlimit small = saved;
    small.rlim_cur = 2 * line.size() + line.size() / 2;
    signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const int failed = AppendToFile(name.constData(), line.data(), int(line.size()));
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_LT(failed, 0);
    EXPECT_EQ(Read(dir.path() + "/r.dat"), line + line);

    EXPECT_EQ(AppendToFile((dir.path() + "/missing/r.dat").toLocal8Bit().constData(), "x", 1),
              kFmtCannotOpen);
}

}  // namespace

namespace {

// A folder or a FIFO where a file belongs: every way of opening refuses it
// at once. An alarm ends the test binary rather than let an open hang.
struct OpenWay {
    const char *name;
    int (*open)(const char *path);
};

unsigned short g_values[3] = {1, 2, 3};

const OpenWay kOpenWays[] = {
    {"OpenFileRead", [](const char *p) { return OpenFile(p, VAL_READ_ONLY, VAL_OPEN_AS_IS, VAL_ASCII); }},
    {"OpenFileReplace", [](const char *p) { return OpenFile(p, VAL_READ_WRITE, VAL_TRUNCATE, VAL_ASCII); }},
    {"OpenFileAppend", [](const char *p) { return OpenFile(p, VAL_WRITE_ONLY, VAL_APPEND, VAL_ASCII); }},
    {"ArrayToFileReplace",
     [](const char *p) {
         return ArrayToFile(p, g_values, VAL_UNSIGNED_SHORT_INTEGER, 3, 1, VAL_GROUPS_TOGETHER,
                            VAL_GROUPS_AS_COLUMNS, VAL_CONST_WIDTH, 5, VAL_ASCII, VAL_TRUNCATE);
     }},
    {"ArrayToFileAppend",
     [](const char *p) {
         return ArrayToFile(p, g_values, VAL_UNSIGNED_SHORT_INTEGER, 3, 1, VAL_GROUPS_TOGETHER,
                            VAL_GROUPS_AS_COLUMNS, VAL_CONST_WIDTH, 5, VAL_ASCII, VAL_APPEND);
     }},
    {"FileToArray",
     [](const char *p) {
         return FileToArray(p, g_values, VAL_UNSIGNED_SHORT_INTEGER, 3, 1, VAL_GROUPS_TOGETHER,
                            VAL_GROUPS_AS_COLUMNS, VAL_ASCII);
     }},
    {"AppendToFile", [](const char *p) { return AppendToFile(p, "line\r\n", 6); }},
    {"CheckForWriting", [](const char *p) { return CheckFileAccess(p, 1) == kFmtNotAFile ? -1 : 0; }},
};

class NotAFile : public ::testing::TestWithParam<std::tuple<OpenWay, bool>> {};

TEST_P(NotAFile, IsRefusedAtOnceAndStaysAsItWas)
{
    const auto &[way, fifo] = GetParam();
    QTemporaryDir dir;
    const QByteArray path = (dir.path() + "/thing").toLocal8Bit();
    ASSERT_EQ(fifo ? ::mkfifo(path.constData(), 0644) : ::mkdir(path.constData(), 0755), 0);
    ::alarm(10);
    const int rc = way.open(path.constData());
    ::alarm(0);
    if (rc > 0 && std::string(way.name).rfind("OpenFile", 0) == 0)
        CloseFile(rc);
    EXPECT_LT(rc, 0);
    struct stat st {};
    ASSERT_EQ(::lstat(path.constData(), &st), 0);
    EXPECT_TRUE(fifo ? S_ISFIFO(st.st_mode) : S_ISDIR(st.st_mode));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
              QStringList{"thing"});
}

INSTANTIATE_TEST_SUITE_P(
    EveryOpen, NotAFile, ::testing::Combine(::testing::ValuesIn(kOpenWays), ::testing::Bool()),
    [](const ::testing::TestParamInfo<std::tuple<OpenWay, bool>> &i) {
        return std::string(std::get<0>(i.param).name) + (std::get<1>(i.param) ? "_Fifo" : "_Folder");
    });

void PrintTo(const OpenWay &w, std::ostream *os) { *os << w.name; }

// In place (the folder takes no new file), a write that fails part-way is
// reported, not called saved.
TEST(FormatReplace, InPlaceWriteThatFailsPartWayIsReported)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write any folder; UserFiles.PlatformAsAnOrdinaryUser runs this as nobody";
    QTemporaryDir dir;
    const QByteArray name = (dir.path() + "/s.cfg").toLocal8Bit();
    ASSERT_EQ(AppendToFile(name.constData(), "old\r\n", 5), 0);
    ASSERT_EQ(::chmod(dir.path().toLocal8Bit().constData(), 0555), 0);
    const int closed = ReplaceBeyondASizeLimit(name, 3);
    ::chmod(dir.path().toLocal8Bit().constData(), 0755);
    EXPECT_EQ(closed, kFmtIOError);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"s.cfg"});
}

}  // namespace
