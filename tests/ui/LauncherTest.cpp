// The launcher: its start-up checks, the about box, one modal design window at a time, and
// the ways the program ends.
#include "UiDriver.h"

#include "ExecutableFolder.h"
#include "HelpSystem.h"
#include "uIrrika.h"
#include "uSplashScreen.h"

#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// An executable folder with a chosen set of the shipped files.
class ShippedFilesFolder {
public:
    explicit ShippedFilesFolder(const std::vector<std::string> &names)
    {
        const std::string real = ExecutableFolder();
        folder_ = ::testing::TempDir() + "irrika_launcher_" + std::to_string(getpid()) + "/";
        mkdir(folder_.c_str(), 0755);
        for (const std::string &name : names) {
            std::ifstream in(real + name, std::ios::binary);
            std::ofstream out(folder_ + name, std::ios::binary);
            out << in.rdbuf();
        }
        names_ = names;
        SetExecutableFolder(folder_);
    }
    ~ShippedFilesFolder()
    {
        SetExecutableFolder("");
        for (const std::string &name : names_)
            std::remove((folder_ + name).c_str());
        rmdir(folder_.c_str());
    }
    const std::string &Folder() const { return folder_; }

private:
    std::string folder_;
    std::vector<std::string> names_;
};

// Closes the about box whenever it comes up modally, and counts how often it did.
class AboutBoxWatcher {
public:
    AboutBoxWatcher()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (frmSplashScreen && QApplication::activeModalWidget() == frmSplashScreen) {
                ++shown_;
                frmSplashScreen->Button2->click();
            }
        });
        timer_.start(5);
    }
    int Shown() const { return shown_; }

private:
    QTimer timer_;
    int shown_ = 0;
};

class Launcher : public UiFixture {};

}  // namespace

TEST_F(Launcher, StartUpReportsEachMissingFileInOrder)
{
    struct Case {
        std::vector<std::string> present;
        std::vector<std::string> messages;  // "%s" stands for the folder
        bool enabled[3];
    };
    const Case cases[] = {
        {{},
         {"Unable to find the file : Pondix.ini", "Unable to find the file : Striva.ini",
          "Unable to find the file : Rillox.ini", "Unable to find the IrrikaHelp.hlp file in directory : \n\r%s"},
         {false, false, false}},
        {{"Striva.INI", "Rillox.INI", "IRRIKAHELP.HLP"}, {"Unable to find the file : Pondix.ini"}, {false, true, true}},
        {{"Pondix.INI", "Rillox.INI", "IRRIKAHELP.HLP"}, {"Unable to find the file : Striva.ini"}, {true, false, true}},
        {{"Pondix.INI", "Striva.INI", "IRRIKAHELP.HLP"}, {"Unable to find the file : Rillox.ini"}, {true, true, false}},
        {{"Pondix.INI", "Striva.INI", "Rillox.INI"},
         {"Unable to find the IrrikaHelp.hlp file in directory : \n\r%s"},
         {true, true, true}},
        {{"Pondix.INI", "Striva.INI", "Rillox.INI", "IRRIKAHELP.HLP"}, {}, {true, true, true}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.messages.size());
        ShippedFilesFolder folder(c.present);
        dialogs.Clear();
        HelpSystem::SetFileName("");
        TfrmIrrika launcher;
        std::vector<std::string> expected;
        for (std::string text : c.messages) {
            if (const auto at = text.find("%s"); at != std::string::npos)
                text.replace(at, 2, folder.Folder());
            expected.push_back(text);
        }
        EXPECT_EQ(dialogs.Texts(), expected);
        for (const RecordingDialogs::Shown &shown : dialogs.Messages()) {
            EXPECT_EQ(shown.icon, DialogIcon::Error);
            EXPECT_EQ(shown.buttons, DialogButtons::Ok);
        }
        QPushButton *buttons[] = {launcher.btnPondix, launcher.btnStriva, launcher.btnRillox};
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(buttons[i]->isEnabled(), c.enabled[i]);
        for (QAction *item : {launcher.mniPondix, launcher.mniStriva, launcher.mniRillox})
            EXPECT_TRUE(item->isEnabled());
        const bool hasHelp =
            std::find(c.present.begin(), c.present.end(), "IRRIKAHELP.HLP") != c.present.end();
        EXPECT_EQ(HelpSystem::FileName(), hasHelp ? folder.Folder() + "IRRIKAHELP.HLP" : "");
    }
}

TEST_F(Launcher, NumbersUseThePointWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TfrmIrrika launcher;
    EXPECT_EQ(QLocale().decimalPoint(), ".");
    EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
    char text[16];
    std::snprintf(text, sizeof text, "%.1f", 2.5);
    EXPECT_STREQ(text, "2.5");
}

TEST_F(Launcher, TheAboutBoxComesOnceAtStartAndAgainFromItsMenu)
{
    AboutBoxWatcher about;
    TfrmIrrika launcher;
    launcher.show();
    launcher.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return about.Shown() == 1; }));
    // A design window opened and closed again re-activates the launcher: no about box.
    QTimer::singleShot(50, [&] { launcher.DesignWindow()->close(); });
    launcher.btnRillox->click();
    QTest::qWait(100);
    EXPECT_EQ(about.Shown(), 1);
    ClickMenu(launcher, {"mniAbout"});
    EXPECT_EQ(about.Shown(), 2);
}

TEST_F(Launcher, OneModalDesignWindowAtATimeFreedWhenItCloses)
{
    AboutBoxWatcher about;
    TfrmIrrika launcher;
    launcher.show();
    for (TIrrigationModule module : {imBorder, imBasin}) {
        QPointer<TfrmDesignWindow> opened;
        bool modal = false;
        QTimer::singleShot(50, [&] {
            opened = launcher.DesignWindow();
            modal = opened && opened->isVisible() && opened->windowModality() == Qt::ApplicationModal;
            EXPECT_EQ(launcher.Module(), module);
            EXPECT_EQ(CurrentModule(), module);
            if (opened)
                ClickMenu(*opened, {"mniQuit"});
        });
        (module == imBorder ? launcher.btnStriva : launcher.btnPondix)->click();
        EXPECT_TRUE(modal);
        EXPECT_EQ(launcher.DesignWindow(), nullptr);
        EXPECT_TRUE(opened.isNull());  // freed
        EXPECT_EQ(launcher.Module(), module);
    }
}

TEST_F(Launcher, EscQuitAndModulesQuitEndTheProgram)
{
    AboutBoxWatcher about;
    for (int way = 0; way < 3; ++way) {
        SCOPED_TRACE(way);
        TfrmIrrika launcher;
        launcher.show();
        launcher.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&launcher));
        if (way == 0)
            PressKey(launcher, Qt::Key_Escape);
        else if (way == 1)
            QTest::mouseClick(launcher.btnQuit, Qt::LeftButton);
        else
            ClickMenu(launcher, {"mniModules", "mniQuit"});
        EXPECT_FALSE(launcher.isVisible());
    }
}

// A design window that cannot be built (a settings file whose unit has the factor 0, a
// program folder that cannot be entered) is reported in an error box; the launcher stays.
TEST_F(Launcher, AModuleThatCannotOpenIsReportedAndTheLauncherGoesOn)
{
    AboutBoxWatcher about;
    ShippedFilesFolder folder({"Pondix.INI", "Striva.INI", "Rillox.INI", "IRRIKAHELP.HLP"});
    {
        const std::string path = folder.Folder() + "Pondix.INI";
        std::string text = FileBytes(path);
        const auto at = text.find("\nMeters=1");
        ASSERT_NE(at, std::string::npos);
        text.replace(at, 9, "\nMeters=0");
        std::ofstream(path, std::ios::binary) << text;
    }
    TfrmIrrika launcher;
    launcher.show();
    launcher.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return about.Shown() == 1; }));
    ASSERT_TRUE(launcher.btnPondix->isEnabled());
    for (int way = 0; way < 2; ++way) {
        SCOPED_TRACE(way == 0 ? "button" : "menu item");
        dialogs.Clear();
        if (way == 0)
            QTest::mouseClick(launcher.btnPondix, Qt::LeftButton);
        else
            ClickMenu(launcher, {"mniModules", "mniPondix"});
        EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"Floating point division by zero"}));
        ASSERT_EQ(dialogs.Messages().size(), 1u);
        EXPECT_EQ(dialogs.Messages()[0].icon, DialogIcon::Error);
        EXPECT_EQ(launcher.DesignWindow(), nullptr);
        EXPECT_TRUE(launcher.isVisible());
    }

    // Another module still opens, and the program ends as it should.
    bool opened = false;
    QTimer::singleShot(50, [&] {
        opened = launcher.DesignWindow() != nullptr;
        if (opened)
            ClickMenu(*launcher.DesignWindow(), {"mniQuit"});
    });
    QTest::mouseClick(launcher.btnStriva, Qt::LeftButton);
    EXPECT_TRUE(opened);
    EXPECT_EQ(launcher.DesignWindow(), nullptr);

    // The program's folder gone: no window can make it the current folder.
    for (const char *name : {"Pondix.INI", "Striva.INI", "Rillox.INI", "IRRIKAHELP.HLP"})
        std::remove((folder.Folder() + name).c_str());
    ASSERT_EQ(rmdir(folder.Folder().c_str()), 0);
    dialogs.Clear();
    ClickMenu(launcher, {"mniModules", "mniRillox"});
    ASSERT_EQ(dialogs.Texts().size(), 1u);
    EXPECT_NE(dialogs.Texts()[0].find("cannot change to " + folder.Folder()), std::string::npos);
    EXPECT_EQ(launcher.DesignWindow(), nullptr);
    ClickMenu(launcher, {"mniModules", "mniQuit"});
    EXPECT_FALSE(launcher.isVisible());
}
