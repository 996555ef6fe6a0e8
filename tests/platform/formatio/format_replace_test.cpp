// ArrayToFile with VAL_TRUNCATE replaces a file as a whole or not at all.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

#include "platform/formatio/formatio.h"
#include "platform/userint/userint.h"

namespace {

std::string Read(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
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

}  // namespace
