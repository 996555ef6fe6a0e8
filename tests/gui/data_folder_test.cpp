// Where the program keeps its files: its own directory when that takes new
// files, else the user's data folder.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/callbacks.h"
#include "gui/data_folder.h"
#include "support/program_fixture.h"

using namespace orvelle;
using orvtest::ProgramTest;

namespace {

// "/proc" takes no new files, not even from root.
constexpr const char *kUnwritableDir = "/proc";

// Points XDG_DATA_HOME at a private folder for the life of the object.
class UserDataHome {
public:
    UserDataHome() : saved_(qgetenv("XDG_DATA_HOME")), had_(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", (dir_.path() + "/data").toLocal8Bit());
    }
    ~UserDataHome()
    {
        if (had_)
            qputenv("XDG_DATA_HOME", saved_);
        else
            qunsetenv("XDG_DATA_HOME");
    }
    std::string Folder() const { return (dir_.path() + "/data/orvelle").toStdString(); }

private:
    QTemporaryDir dir_;
    QByteArray saved_;
    bool had_;
};

TEST(DataFolder, OwnDirectoryWhenWritableElseTheUsersFolderMadeOnDemand)
{
    UserDataHome home;
    QTemporaryDir portable;
    char dir[kPathBytes];

    SetProjectDirOverride(portable.path().toLocal8Bit().constData());
    EXPECT_EQ(GetDataFolder(dir), 0);
    EXPECT_EQ(std::string(dir), portable.path().toStdString());
    EXPECT_FALSE(QDir(QString::fromStdString(home.Folder())).exists());

    SetProjectDirOverride(kUnwritableDir);
    EXPECT_EQ(GetDataFolder(dir), 1);
    EXPECT_EQ(std::string(dir), home.Folder());
    EXPECT_TRUE(QDir(QString::fromStdString(home.Folder())).exists());

    // An installed program uses the user's folder even where it could write
    // (root under /usr).
    ASSERT_TRUE(QDir(portable.path()).mkpath("bin"));
    ASSERT_TRUE(QDir(portable.path()).mkpath("share/orvelle"));
    SetProjectDirOverride((portable.path() + "/bin").toLocal8Bit().constData());
    EXPECT_EQ(GetDataFolder(dir), 1);
    EXPECT_EQ(std::string(dir), home.Folder());

    SetProjectDirOverride(nullptr);
    char path[kPathBytes];
    EXPECT_EQ(DataFilePath("/a", "ComSettings.cfg", path), 0);
    EXPECT_STREQ(path, "/a/ComSettings.cfg");
    const std::string longDir(kPathBytes - 5, 'd');
    EXPECT_EQ(DataFilePath(longDir.c_str(), "ComSettings.cfg", path), -1);
    EXPECT_STREQ(path, "");
}

class ReadOnlyProgramDir : public ProgramTest {};

TEST_F(ReadOnlyProgramDir, SettingsComeFromTheUsersFolder)
{
    UserDataHome home;
    sim::SimConfig config;
    config.tcp = true;
    StartSensor(config);
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(home.Folder())));
    QFile settings(QString::fromStdString(home.Folder() + "/ComSettings.cfg"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(QByteArray("1\r\n1\r\n127.0.0.1\r\n") +
                   QByteArray::number(sensor_->tcpPort()) + "\r\n");
    settings.close();
    SetProjectDirOverride(kUnwritableDir);

    OpenProgram();
    EXPECT_EQ(std::string(proj_dir), home.Folder()) << "the file dialogs open here";
    EXPECT_EQ(std::string(conSettingsFileName), home.Folder() + "/ComSettings.cfg");
    EXPECT_EQ(std::string(ipComboBoxFileName), home.Folder() + "/IPComboBox.cfg");
    EXPECT_EQ(comecho, 1) << "the settings in the user's folder were not used";
}

// An installed program with a plant's default settings beside it: read
// while the user's folder has none, then the user's own file comes first,
// and saving always goes to the user's folder.
TEST_F(ReadOnlyProgramDir, ProvisionedSettingsBesideTheProgramAreReadUntilTheUserHasOwn)
{
    UserDataHome home;
    sim::SimConfig config;
    config.tcp = true;
    StartSensor(config);
    const QString root = dir_.path() + "/installed";
    ASSERT_TRUE(QDir().mkpath(root + "/bin") && QDir().mkpath(root + "/share/orvelle"));
    const std::string provisioned = (root + "/bin/ComSettings.cfg").toStdString();
    const auto writeSettings = [](const std::string &path, int port) {
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(QByteArray("1\r\n1\r\n127.0.0.1\r\n") + QByteArray::number(port) + "\r\n");
    };
    writeSettings(provisioned, sensor_->tcpPort());
    SetProjectDirOverride((root + "/bin").toLocal8Bit().constData());

    OpenProgram();
    EXPECT_EQ(std::string(conSettingsFileName), home.Folder() + "/ComSettings.cfg");
    EXPECT_EQ(comecho, 1) << "the settings beside the program were not used";
    CBF_ButtonAccept(interfacepanel, INTERFACEP_ButtonAccept, EVENT_COMMIT, nullptr, 0, 0);
    QFile own(QString::fromStdString(home.Folder() + "/ComSettings.cfg"));
    ASSERT_TRUE(own.open(QIODevice::ReadOnly)) << "Accept wrote nothing into the user's folder";
    EXPECT_EQ(own.readAll().toStdString(),
              "1\r\n1\r\n127.0.0.1\r\n" + std::to_string(sensor_->tcpPort()) + "\r\n");

    // The default changes to a port where nothing listens; the user's file wins.
    writeSettings(provisioned, 1);
    orvelle::CloseProgram();
    open_ = false;
    uitest::ResetUserInterface();
    OpenProgram();
    EXPECT_EQ(comecho, 1) << "the default beside the program came before the user's own";
}

}  // namespace
