// Switching the data language with documents open: every document comes
// back with the same content under the new language's names and with its
// title, path, file binding and modified flag; the windows keep their order;
// no temporary file is left anywhere; and a failing save or reload changes
// nothing.
#include <QComboBox>
#include <QDirIterator>
#include <QMdiArea>
#include <QtTest>

#include <map>

#include "ShellTestSupport.h"
#include "database/CGameDatabase.h"
#include "shell/CChildFrame.h"
#include "shell/CMainFrame.h"
#include "shell/CQuillmarView.h"
#include "ui/support/QuietPlatform.h"

using namespace shell_test;

namespace {

const QString kTemporarySaveFailed = QStringLiteral("Not all Documents could be temporarly saved.\nThis is "
                                                    "required for a language change.\n\nPlease close all "
                                                    "Documents.");

// What must survive a switch, in terms that do not depend on the language.
struct Kept {
    QString title;
    QString path;
    bool bound;
    bool modified;
    int career;
    std::string bytes;
    int classIndex;
    int raceIndex;
};

Kept KeptOf(CCharacterDocument& document)
{
    const CQuillmarDoc& doc = document.Doc();
    const CGameDatabase& db = doc.Database();
    return {document.Title(),
            document.Path(),
            doc.IsBoundToFile(),
            doc.IsModified(),
            doc.IsCareerMode(),
            FileBytes(doc),
            db.Classes().FindByName(doc.GetClass()),
            db.Races().FindByName(doc.GetRace())};
}

// Records the hints a document sends to its views.
class HintRecorder : public CDocumentObserver {
public:
    explicit HintRecorder(CQuillmarDoc& doc) : m_doc(doc) { m_doc.AddObserver(this); }
    ~HintRecorder() override { m_doc.RemoveObserver(this); }
    void OnViewsUpdated(int hint) override { hints.push_back(hint); }
    void OnModifiedChanged(bool) override {}
    std::vector<int> hints;

private:
    CQuillmarDoc& m_doc;
};

QStringList FilesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    return files;
}

QStringList TildeFiles(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("~*")}, QDir::Files | QDir::Hidden);
}

}  // namespace

class LanguageSwitchTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QuietUnsupportedPlatformWarnings();
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void init();
    void cleanup();
    void everyDocumentComesBackInTheNewLanguage();
    void switchingBackRestoresTheOriginalNames();
    void temporaryFilesNeverReachTheWorkingFolder();
    void failedTemporarySaveChangesNothing_data();
    void failedTemporarySaveChangesNothing();
    void missingTemporaryFolderChangesNothing();
    void failedReloadRestoresTheOldLanguage_data();
    void failedReloadRestoresTheOldLanguage();
    void missingLanguageFolderRestoresTheOldLanguage();

private:
    // Four documents: new and untouched, saved, saved then changed, new in
    // career mode with a plan; the second window is active.
    void OpenFourDocuments();
    void CheckUnchanged(const std::vector<Kept>& before, const std::string& folder);

    std::unique_ptr<ShellFixture> m_fixture;
    QTemporaryDir m_workingFolder;
    QString m_previousWorkingFolder;
    std::vector<Kept> m_before;
    QList<QMdiSubWindow*> m_windowsBefore;
    QMdiSubWindow* m_activeBefore = nullptr;
};

void LanguageSwitchTest::init()
{
    // The old program put its temporary files into the working folder; a
    // folder of our own shows whether anything still lands there.
    m_previousWorkingFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_workingFolder.path()));
    m_fixture = std::make_unique<ShellFixture>();
    QVERIFY(m_fixture->Start());
    OpenFourDocuments();
}

void LanguageSwitchTest::cleanup()
{
    QCOMPARE(TildeFiles(m_workingFolder.path()), QStringList());
    QCOMPARE(FilesBelow(m_fixture->TemporaryBase()), QStringList());
    m_fixture.reset();
    QDir::setCurrent(m_previousWorkingFolder);
}

void LanguageSwitchTest::OpenFourDocuments()
{
    CQuillmarApp& app = m_fixture->App();
    CGameDatabase& db = app.Database();

    CCharacterDocument* saved = app.NewDocument();
    saved->Doc().SetRealm(CGameDatabase::RealmNames().at(1));
    db.SelectRealmByCode(saved->Doc().GetRealm());
    saved->Doc().SetClass(db.ClassNames().back());
    saved->Doc().SetLevel(35);
    QVERIFY(app.SaveDocumentTo(*saved, m_fixture->FilePath(QStringLiteral("saved.chr"))));

    CCharacterDocument* changed = app.NewDocument();
    changed->Doc().SetRealm(CGameDatabase::RealmNames().at(2));
    db.SelectRealmByCode(changed->Doc().GetRealm());
    changed->Doc().SetClass(db.ClassNames().front());
    QVERIFY(app.SaveDocumentTo(*changed, m_fixture->FilePath(QStringLiteral("changed.chr"))));
    const std::vector<std::string> lines = changed->Doc().SkillLines();
    QVERIFY(!lines.empty());
    changed->Doc().SetSpecLevel(lines.front(), 20);
    QVERIFY(changed->IsModified());

    CCharacterDocument* career = app.NewDocument();
    career->Doc().SetCareerMode(1);
    career->Doc().SetLevel(20);
    const std::vector<std::string> careerLines = career->Doc().SkillLines();
    QVERIFY(careerLines.size() >= 2);
    career->Doc().SetSpecLevel(careerLines[0], 10);
    career->Doc().SetLevel(30);
    career->Doc().SetSpecLevel(careerLines[1], 15);
    QVERIFY(career->IsModified());

    m_before.clear();
    for (int i = 0; i < app.DocumentCount(); ++i)
        m_before.push_back(KeptOf(*app.Document(i)));
    QCOMPARE(m_before.size(), std::size_t(4));
    QVERIFY(!m_before[0].bound && !m_before[0].modified);
    QVERIFY(m_before[1].bound && !m_before[1].modified);
    QVERIFY(m_before[2].bound && m_before[2].modified);
    QVERIFY(!m_before[3].bound && m_before[3].modified && m_before[3].career);

    app.MainFrame()->ActivateChild(saved->Frames().front());
    m_windowsBefore = app.MainFrame()->MdiArea()->subWindowList(QMdiArea::StackingOrder);
    m_activeBefore = app.MainFrame()->CurrentChild();
    m_fixture->prompt.messages.clear();
}

void LanguageSwitchTest::CheckUnchanged(const std::vector<Kept>& before, const std::string& folder)
{
    CQuillmarApp& app = m_fixture->App();
    QCOMPARE(app.Database().Folder(), folder);
    QCOMPARE(app.DocumentCount(), int(before.size()));
    for (int i = 0; i < app.DocumentCount(); ++i) {
        const Kept now = KeptOf(*app.Document(i));
        QCOMPARE(now.title, before[i].title);
        QCOMPARE(now.path, before[i].path);
        QCOMPARE(now.bound, before[i].bound);
        QCOMPARE(now.modified, before[i].modified);
        QCOMPARE(now.career, before[i].career);
        QVERIFY(!now.bytes.empty());
        QVERIFY2(now.bytes == before[i].bytes, qPrintable(now.title));
        QCOMPARE(now.classIndex, before[i].classIndex);
        QCOMPARE(now.raceIndex, before[i].raceIndex);
        QVERIFY(app.Document(i)->Doc().TemporaryPath().empty());
    }
    QCOMPARE(app.MainFrame()->MdiArea()->subWindowList(QMdiArea::StackingOrder), m_windowsBefore);
    QCOMPARE(app.MainFrame()->CurrentChild(), m_activeBefore);
    // The database's selection points at the active window's document again.
    const CQuillmarDoc& active = app.MainFrame()->CurrentChild()->Document().Doc();
    QCOMPARE(app.Database().ClassName(), active.GetClass());
}

void LanguageSwitchTest::everyDocumentComesBackInTheNewLanguage()
{
    CQuillmarApp& app = m_fixture->App();
    std::vector<std::unique_ptr<HintRecorder>> recorders;
    for (int i = 0; i < app.DocumentCount(); ++i)
        recorders.push_back(std::make_unique<HintRecorder>(app.Document(i)->Doc()));

    QVERIFY(app.SwitchLanguage("en"));
    CheckUnchanged(m_before, "en");
    QVERIFY(m_fixture->prompt.messages.empty());

    CGameDatabase& db = app.Database();
    for (int i = 0; i < app.DocumentCount(); ++i) {
        const CQuillmarDoc& doc = app.Document(i)->Doc();
        QCOMPARE(doc.GetClass(), db.Classes().Name(m_before[i].classIndex));
        QCOMPARE(doc.GetRace(), db.Races().Name(m_before[i].raceIndex));
        // Every view rebuilds for the new names.
        QVERIFY(std::find(recorders[i]->hints.begin(), recorders[i]->hints.end(), 1) !=
                recorders[i]->hints.end());
        // A character from a file keeps its identity lists locked, a new one keeps them open.
        const CQuillmarView* view = app.Document(i)->Frames().front()->View();
        QCOMPARE(view->RealmList()->isEnabled(), !m_before[i].bound);
        QCOMPARE(view->ClassList()->isEnabled(), !m_before[i].bound);
        QCOMPARE(view->RaceList()->isEnabled(), !m_before[i].bound);
        QCOMPARE(view->ClassList()->currentText().startsWith(QString::fromStdString(doc.GetClass())), true);
    }
    // The plans are keyed by the English line names, and the career plan was recomputed with them.
    const CQuillmarDoc& career = app.Document(3)->Doc();
    const std::vector<std::string> lines = career.SkillLines();
    QCOMPARE(career.SpecResult(career.CurrentSlot()).Get(lines[0]), 10);
    QCOMPARE(career.SpecResult(career.CurrentSlot()).Get(lines[1]), 15);
    const CQuillmarDoc& changed = app.Document(2)->Doc();
    QCOMPARE(changed.SpecPlan(CQuillmarDoc::kSlotCount - 1).Get(changed.SkillLines().front()), 20);
}

void LanguageSwitchTest::switchingBackRestoresTheOriginalNames()
{
    CQuillmarApp& app = m_fixture->App();
    std::vector<std::string> germanClasses;
    for (int i = 0; i < app.DocumentCount(); ++i)
        germanClasses.push_back(app.Document(i)->Doc().GetClass());
    QVERIFY(app.SwitchLanguage("en"));
    int differing = 0;
    for (int i = 0; i < app.DocumentCount(); ++i)
        differing += app.Document(i)->Doc().GetClass() != germanClasses[std::size_t(i)] ? 1 : 0;
    QVERIFY2(differing > 0, "the shipped data names classes differently in the two languages");
    QVERIFY(app.SwitchLanguage("de"));
    CheckUnchanged(m_before, "de");
    for (int i = 0; i < app.DocumentCount(); ++i)
        QCOMPARE(app.Document(i)->Doc().GetClass(), germanClasses[std::size_t(i)]);
    // The same language again is no switch at all.
    QVERIFY(app.SwitchLanguage("de"));
    QVERIFY(m_fixture->prompt.messages.empty());
}

void LanguageSwitchTest::temporaryFilesNeverReachTheWorkingFolder()
{
    CQuillmarApp& app = m_fixture->App();
    QStringList seen;
    QString folderOfFiles;
    app.SetTemporaryFileFunctions(
        [&](const CQuillmarDoc& doc, const std::string& path) {
            const QString name = QFile::decodeName(path.c_str());
            seen << QFileInfo(name).fileName();
            folderOfFiles = QFileInfo(name).absolutePath();
            return app.WriteTemporaryFile(doc, path);
        },
        [&](CQuillmarDoc& doc, const std::string& path) {
            // Only the owner may look into the folder while the files are in it.
            const QFileInfo folder(QFileInfo(QFile::decodeName(path.c_str())).absolutePath());
            if (folder.permissions() &
                (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteOther))
                return CharacterLoadResult{CharacterLoadStatus::CannotRead, "folder open to others"};
            return app.ReadTemporaryFile(doc, path);
        });
    QVERIFY(app.SwitchLanguage("en"));
    QCOMPARE(seen.size(), 4);
    for (const QString& name : seen)
        QVERIFY2(name.startsWith(QLatin1Char('~')), qPrintable(name));
    QCOMPARE(QSet<QString>(seen.begin(), seen.end()).size(), 4);
    QVERIFY(folderOfFiles.startsWith(m_fixture->TemporaryBase() + QLatin1Char('/')));
    QVERIFY(!QFileInfo::exists(folderOfFiles));
    CheckUnchanged(m_before, "en");
}

void LanguageSwitchTest::failedTemporarySaveChangesNothing_data()
{
    QTest::addColumn<int>("failingDocument");
    QTest::newRow("first") << 0;
    QTest::newRow("middle") << 2;
    QTest::newRow("last") << 3;
}

void LanguageSwitchTest::failedTemporarySaveChangesNothing()
{
    QFETCH(int, failingDocument);
    CQuillmarApp& app = m_fixture->App();
    int saves = 0;
    int loads = 0;
    app.SetTemporaryFileFunctions(
        [&](const CQuillmarDoc& doc, const std::string& path) {
            if (saves++ == failingDocument) {
                // A partly written file, as a full disk leaves it.
                QFile partial(QFile::decodeName(path.c_str()));
                if (partial.open(QIODevice::WriteOnly))
                    partial.write("CHA");
                return CharacterSaveResult{false, "No space left on device"};
            }
            return app.WriteTemporaryFile(doc, path);
        },
        [&](CQuillmarDoc&, const std::string&) {
            ++loads;
            return CharacterLoadResult{CharacterLoadStatus::CannotRead, "must not be called"};
        });

    QVERIFY(!app.SwitchLanguage("en"));
    QCOMPARE(saves, failingDocument + 1);  // stops at the first failure
    QCOMPARE(loads, 0);
    QCOMPARE(m_fixture->prompt.messages.size(), std::size_t(1));
    QCOMPARE(m_fixture->prompt.messages.front().caption, std::string("Error"));
    QCOMPARE(m_fixture->prompt.Texts().front(), kTemporarySaveFailed);
    CheckUnchanged(m_before, "de");
}

void LanguageSwitchTest::missingTemporaryFolderChangesNothing()
{
    CQuillmarApp& app = m_fixture->App();
    app.SetTemporaryFolderBase(m_fixture->FilePath(QStringLiteral("gone/away")));
    QVERIFY(!app.SwitchLanguage("en"));
    QCOMPARE(m_fixture->prompt.Texts(), QStringList{kTemporarySaveFailed});
    CheckUnchanged(m_before, "de");
}

void LanguageSwitchTest::failedReloadRestoresTheOldLanguage_data()
{
    QTest::addColumn<int>("failingDocument");
    QTest::newRow("first") << 0;
    QTest::newRow("second") << 1;
    QTest::newRow("last") << 3;
}

void LanguageSwitchTest::failedReloadRestoresTheOldLanguage()
{
    QFETCH(int, failingDocument);
    CQuillmarApp& app = m_fixture->App();
    std::map<std::string, int> loadsIn;
    app.SetTemporaryFileFunctions(nullptr, [&](CQuillmarDoc& doc, const std::string& path) {
        const std::string folder = doc.Database().Folder();
        if (folder == "en" && loadsIn[folder]++ == failingDocument)
            return CharacterLoadResult{CharacterLoadStatus::Damaged, "class number 99 names no class"};
        if (folder == "de")
            ++loadsIn[folder];
        return app.ReadTemporaryFile(doc, path);
    });

    QVERIFY(!app.SwitchLanguage("en"));
    QCOMPARE(loadsIn["en"], failingDocument + 1);  // the first failure ends the attempt
    QCOMPARE(loadsIn["de"], 4);                    // every document is restored from its file
    QCOMPARE(m_fixture->prompt.messages.size(), std::size_t(1));
    QCOMPARE(m_fixture->prompt.messages.front().caption, std::string("Error"));
    QCOMPARE(m_fixture->prompt.Texts().front(),
             QStringLiteral(
                 "The data language could not be changed to \"en\": the document \"%1\" could not be "
                 "loaded back in that language.\n\nclass number 99 names no class\n\nAll documents stay "
                 "open, unchanged, in the language \"de\".")
                 .arg(m_before[std::size_t(failingDocument)].title));
    CheckUnchanged(m_before, "de");
    QVERIFY(app.MainFrame()->HasDocumentMenus());

    // Nothing is left over that would spoil the next attempt.
    app.SetTemporaryFileFunctions(nullptr, nullptr);
    QVERIFY(app.SwitchLanguage("en"));
    CheckUnchanged(m_before, "en");
}

void LanguageSwitchTest::missingLanguageFolderRestoresTheOldLanguage()
{
    // A data root with only the German folder: the English tables stay empty,
    // so no document can be read back in English.
    CQuillmarApp& app = m_fixture->App();
    const QString root = m_fixture->FilePath(QStringLiteral("german-only"));
    QVERIFY(QDir().mkpath(root));
    QVERIFY(QFile::link(QStringLiteral(QUILLMAR_SHIPPED_DATA "/de"), root + QStringLiteral("/de")));
    app.Database().SetDataRoot(Local(root));

    QVERIFY(!app.SwitchLanguage("en"));
    QCOMPARE(m_fixture->prompt.messages.size(), std::size_t(2));  // the missing folder, then the switch
    const QString text = m_fixture->prompt.Texts().back();
    QVERIFY2(text.contains(QStringLiteral("\"Quillmar1\"")) && text.contains(QStringLiteral("\"de\"")),
             qPrintable(text));
    CheckUnchanged(m_before, "de");
}

QTEST_MAIN(LanguageSwitchTest)
#include "LanguageSwitchTest.moc"
