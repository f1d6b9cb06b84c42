// Start-up and exit of the application: which data language it loads, which
// document it opens, what a bad file argument does, and that exit writes the
// settings.
#include <QAction>
#include <QProcess>
#include <QSettings>
#include <QToolBar>
#include <QtTest>

#include <algorithm>

#include "ShellTestSupport.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "shell/CMainFrame.h"
#include "ui/support/QuietPlatform.h"

using namespace shell_test;

namespace {

void WriteSettings(const QString& path, int defaultDb)
{
    CAppSettings settings;
    settings.Set(setting::DEFAULT_DB, defaultDb);
    QVERIFY(settings.Save(Local(path), nullptr));
}

}  // namespace

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QuietUnsupportedPlatformWarnings(); }
    void firstStartGivesGermanDataAndOneNewCharacter();
    void dataLanguageFollowsDefaultDb_data();
    void dataLanguageFollowsDefaultDb();
    void readOnlySettingsBesideTheProgramAreRead();
    void fileArgumentOpensThatFileOnly();
    void badFileArgumentEndsTheProgram_data();
    void badFileArgumentEndsTheProgram();
    void firstFrameComesBeforeIconsAndTheRecentFileWrite_data();
    void firstFrameComesBeforeIconsAndTheRecentFileWrite();
    void exitWritesTheSettings();
    void exitWithUnwritableSettingsSaysSoAndStillEnds();
    void missingDataFolderIsReportedAndStartUpGoesOn();
    void commandLine_data();
    void commandLine();
};

void StartupTest::firstStartGivesGermanDataAndOneNewCharacter()
{
    ShellFixture fixture;
    QVERIFY(fixture.Start());
    CQuillmarApp& app = fixture.App();
    QCOMPARE(app.Database().Folder(), std::string("de"));
    QCOMPARE(app.DocumentCount(), 1);
    QVERIFY(fixture.prompt.messages.empty());
    QVERIFY(!QFile::exists(fixture.SettingsPath()));  // written at exit only

    CCharacterDocument* document = app.Document(0);
    QCOMPARE(document->Title(), QStringLiteral("Quillmar1"));
    QVERIFY(document->Path().isEmpty());
    QVERIFY(!document->IsModified());
    QVERIFY(!document->Doc().IsBoundToFile());
    QCOMPARE(app.Settings().Get(setting::SAVE_MODIFIED), 1);

    // The first realm, its first class and that class's first race.
    CGameDatabase& db = app.Database();
    const std::string realm = CGameDatabase::RealmNames().front();
    db.SelectRealmByCode(realm);
    const std::string firstClass = db.ClassNames().front();
    db.SelectClass(firstClass);
    const std::string firstRace = db.RaceNames().front();
    QCOMPARE(document->Doc().GetRealm(), realm);
    QCOMPARE(document->Doc().GetClass(), firstClass);
    QCOMPARE(document->Doc().GetRace(), firstRace);

    QVERIFY(app.MainFrame()->isVisible());
    QVERIFY(app.MainFrame()->CurrentChild() != nullptr);
}

void StartupTest::dataLanguageFollowsDefaultDb_data()
{
    QTest::addColumn<int>("defaultDb");
    QTest::addColumn<QString>("folder");
    QTest::newRow("0 German") << 0 << "de";
    QTest::newRow("1 English") << 1 << "en";
    QTest::newRow("any other value English") << 7 << "en";
    QTest::newRow("negative English") << -1 << "en";
}

void StartupTest::dataLanguageFollowsDefaultDb()
{
    QFETCH(int, defaultDb);
    QFETCH(QString, folder);
    ShellFixture fixture;
    WriteSettings(fixture.SettingsPath(), defaultDb);
    QVERIFY(fixture.Start(UiLanguage::German));
    QCOMPARE(QString::fromStdString(fixture.App().Database().Folder()), folder);
    QVERIFY(fixture.App().MainFrame()->HasDocumentMenus());
}

void StartupTest::readOnlySettingsBesideTheProgramAreRead()
{
    ShellFixture fixture;
    const QString besideProgram = fixture.FilePath(QStringLiteral("program-config.bin"));
    WriteSettings(besideProgram, 1);
    CStartupOptions options = fixture.Options();
    options.settingsFallback = Local(besideProgram);
    QVERIFY(fixture.Start(options));
    QCOMPARE(fixture.App().Database().Folder(), std::string("en"));

    // The own file wins once it exists.
    QVERIFY(fixture.App().MainFrame()->close());
    fixture.Restart();
    WriteSettings(besideProgram, 0);
    QVERIFY(fixture.Start(options));
    QCOMPARE(fixture.App().Database().Folder(), std::string("en"));
}

void StartupTest::fileArgumentOpensThatFileOnly()
{
    ShellFixture fixture;
    QVERIFY(fixture.Start());
    const QString path = fixture.SavedCharacter(QStringLiteral("hero.chr"), 23);
    QVERIFY(!path.isEmpty());
    QVERIFY(fixture.App().MainFrame()->close());

    fixture.Restart();
    CStartupOptions options = fixture.Options();
    options.fileToOpen = path;
    QVERIFY(fixture.Start(options));
    CQuillmarApp& app = fixture.App();
    QCOMPARE(app.DocumentCount(), 1);
    CCharacterDocument* document = app.Document(0);
    QCOMPARE(document->Title(), QStringLiteral("hero.chr"));
    QCOMPARE(document->Path(), QFileInfo(path).absoluteFilePath());
    QVERIFY(document->Doc().IsBoundToFile());
    QVERIFY(!document->IsModified());
    QCOMPARE(document->Doc().GetLevel(), 23.0f);
    QCOMPARE(app.RecentFiles().value(0), QFileInfo(path).absoluteFilePath());
    QVERIFY(fixture.prompt.messages.empty());
}

void StartupTest::badFileArgumentEndsTheProgram_data()
{
    QTest::addColumn<QByteArray>("content");  // empty: no file at all
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing") << QByteArray() << "cannot open";
    QTest::newRow("wrong magic") << QByteArray("CHAX\x00\x60\x00\x02", 8) << "not a character file";
    QTest::newRow("ends early") << QByteArray("CHAR\x00\x60\x00\x02\x01", 9) << "";
}

void StartupTest::badFileArgumentEndsTheProgram()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    ShellFixture fixture;
    const QString path = fixture.FilePath(QStringLiteral("broken.chr"));
    if (!content.isEmpty())
        WriteBytes(path, content);
    CStartupOptions options = fixture.Options();
    options.fileToOpen = path;

    QVERIFY(!fixture.Start(options));
    QCOMPARE(fixture.App().DocumentCount(), 0);
    QVERIFY(!fixture.App().MainFrame()->isVisible());
    QCOMPARE(fixture.prompt.messages.size(), std::size_t(1));
    const PromptMessage& message = fixture.prompt.messages.front();
    QCOMPARE(message.caption, std::string("Error"));
    QCOMPARE(message.icon, PromptIcon::Error);
    const QString text = QString::fromStdString(message.text);
    QVERIFY2(text.contains(QStringLiteral("broken.chr")), qPrintable(text));
    QVERIFY2(text.contains(reason), qPrintable(text));
    QVERIFY(fixture.App().RecentFiles().isEmpty());
}

void StartupTest::firstFrameComesBeforeIconsAndTheRecentFileWrite_data()
{
    QTest::addColumn<bool>("painted");  // false: the program goes before its first frame
    QTest::newRow("painted") << true;
    QTest::newRow("never painted") << false;
}

void StartupTest::firstFrameComesBeforeIconsAndTheRecentFileWrite()
{
    QFETCH(bool, painted);
    ShellFixture fixture;
    QVERIFY(fixture.Start());
    const QString path = fixture.SavedCharacter(QStringLiteral("hero.chr"), 23);
    QVERIFY(!path.isEmpty());
    QVERIFY(fixture.App().MainFrame()->close());
    fixture.Restart();
    const QString store = fixture.Options().recentFilesStore;
    QVERIFY(QFile::remove(store));
    const auto storedFirst = [&store] {
        return QSettings(store, QSettings::IniFormat)
            .value(QStringLiteral("Recent File List/File1"))
            .toString();
    };

    CStartupOptions options = fixture.Options();
    options.fileToOpen = path;
    QVERIFY(fixture.Start(options));
    CMainFrame* frame = fixture.App().MainFrame();
    const QList<QAction*> tools = frame->findChild<QToolBar*>()->actions();
    const auto iconCount = [&tools] {
        return std::count_if(tools.begin(), tools.end(), [](QAction* a) { return !a->icon().isNull(); });
    };
    QCOMPARE(fixture.App().RecentFiles().value(0), QFileInfo(path).absoluteFilePath());
    QVERIFY(!frame->StartupFinished());
    QCOMPARE(iconCount(), 0);
    QCOMPARE(storedFirst(), QString());

    if (painted) {
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QTRY_VERIFY(frame->StartupFinished());
        QCOMPARE(iconCount(), 4);
    } else {
        fixture.Restart();
    }
    QCOMPARE(storedFirst(), QFileInfo(path).absoluteFilePath());
}

void StartupTest::exitWritesTheSettings()
{
    ShellFixture fixture;
    QVERIFY(fixture.Start());
    fixture.App().Settings().Set(setting::LAST_PAGE, 3);
    QVERIFY(fixture.App().MainFrame()->close());
    CAppSettings written;
    QCOMPARE(written.Load(Local(fixture.SettingsPath())), CAppSettings::LoadResult::Read);
    QCOMPARE(written.Get(setting::LAST_PAGE), 3);
    QCOMPARE(written.Get(setting::TOOLTIP_DELAY), 500);

    // Unchanged settings are written too.
    QVERIFY(QFile::remove(fixture.SettingsPath()));
    fixture.Restart();
    QVERIFY(fixture.Start());
    QVERIFY(fixture.App().MainFrame()->close());
    QVERIFY(QFile::exists(fixture.SettingsPath()));
}

void StartupTest::exitWithUnwritableSettingsSaysSoAndStillEnds()
{
    ShellFixture fixture;
    const QString blocker = fixture.FilePath(QStringLiteral("not-a-folder"));
    WriteBytes(blocker, "x");
    CStartupOptions options = fixture.Options();
    options.settingsFile = Local(blocker + QStringLiteral("/config.bin"));
    QVERIFY(fixture.Start(options));
    QVERIFY(fixture.App().MainFrame()->close());
    QCOMPARE(fixture.prompt.Texts(),
             QStringList{QStringLiteral("can't create 'config.bin'! Unable to save settings")});
}

void StartupTest::missingDataFolderIsReportedAndStartUpGoesOn()
{
    ShellFixture fixture;
    CStartupOptions options = fixture.Options();
    options.dataRoot = Local(fixture.FilePath(QStringLiteral("no-data")));
    QVERIFY(fixture.Start(options));
    QCOMPARE(fixture.prompt.messages.size(), std::size_t(1));
    QCOMPARE(fixture.App().DocumentCount(), 1);
    QVERIFY(fixture.App().Document(0)->Doc().GetClass().empty());
}

void StartupTest::commandLine_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");  // on stdout when it succeeds, else on stderr
    const QStringList data{"--data-root", QUILLMAR_SHIPPED_DATA};
    QTest::newRow("no file") << (data + QStringList{"--lang", "de"}) << 0 << "shown";
    QTest::newRow("language in capitals") << (data + QStringList{"--lang", "EN"}) << 0 << "shown";
    QTest::newRow("unknown language")
        << (data + QStringList{"--lang", "fr"}) << 2 << "Unknown language \"fr\"";
    QTest::newRow("two files") << (data + QStringList{"a.chr", "b.chr"}) << 2 << "Only one file";
    QTest::newRow("unknown option") << QStringList{"--colour"} << 1 << "colour";
}

// The program itself, run beside this test; the settings and recent files of
// the run go to a folder of the test.
void StartupTest::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/quillmar");
    if (!QFileInfo::exists(program))
        QSKIP("the program is not built");
    QTemporaryDir home;
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("QUILLMAR_EXIT_WHEN_SHOWN"), QStringLiteral("1"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(home.path());
    process.start(program, arguments);
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), exitCode);
    const QString text =
        QString::fromUtf8(exitCode == 0 ? process.readAllStandardOutput() : process.readAllStandardError());
    QVERIFY2(text.contains(output), qPrintable(text));
}

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
