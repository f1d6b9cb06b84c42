// The character window's header against the shipped English data: what a key
// or click in the header does to the document, what the header then shows,
// and which notification reaches the page below.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

#include "controls/CEditColor.h"
#include "database/CClassTable.h"
#include "document/CQuillmarDoc.h"
#include "shell/CHeaderSpinField.h"
#include "shell/CQuillmarView.h"
#include "shell/CViewHeader.h"
#include "ui/support/PageTestContext.h"
#include "ui/support/QuietPlatform.h"

namespace {

// Writes down every notification it gets.
class RecordingPage : public CAPage {
public:
    RecordingPage(CShellContext& context, CQuillmarDoc& document, QWidget* parent, QStringList& log)
        : CAPage(context, document, parent), m_log(log)
    {
        setMinimumSize(300, 200);
        RecordTemplateSize();
    }
    void OnRaceChanged() override { m_log << "race"; }
    void OnLevelChanged() override { m_log << "level"; }
    void OnClassChanged() override { m_log << "class"; }
    void OnRealmRankChanged() override { m_log << "rank"; }
    void OnSkillPlanChanged() override { m_log << "plan"; }

private:
    QStringList& m_log;
};

// A key on the level field (else the realm rank field), after typing over it
// when `typed` is set: what it then shows, holds and makes of the realm points.
struct SpinCase {
    bool rank;
    float start;
    QString typed;
    Qt::Key key;
    QString shown;
    float value;
    QString points;
};

}  // namespace

Q_DECLARE_METATYPE(SpinCase)

class CQuillmarViewTest : public QObject, PageTestContext {
    Q_OBJECT

    std::unique_ptr<CQuillmarDoc> m_doc;
    std::unique_ptr<CQuillmarView> m_view;
    QStringList m_log;

    CViewHeader* Header() const { return m_view->Header(); }

    // A window on a new character (set up further by `prepare`), opened the way
    // the child window opens it.
    void Open(const std::function<void(CQuillmarDoc&)>& prepare = {})
    {
        m_doc = std::make_unique<CQuillmarDoc>(m_database, m_settings);
        m_doc->New();
        if (prepare)
            prepare(*m_doc);
        m_view = std::make_unique<CQuillmarView>(m_context, *m_doc);
        m_view->SetPageFactory([this](PageId, CShellContext& context, CQuillmarDoc& document,
                                      QWidget* parent) {
            return std::unique_ptr<CAPage>(std::make_unique<RecordingPage>(context, document, parent, m_log));
        });
        m_view->OnInitialUpdate();
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        m_doc->SetModified(false);
        m_log.clear();
    }

private slots:
    void initTestCase()
    {
        QuietUnsupportedPlatformWarnings();
        m_database.Load("en");
        QVERIFY(m_database.IsLoaded());
        m_settings.Set(setting::DONT_SAVE_SELECTION, 1);
    }
    void cleanup()
    {
        m_view.reset();
        m_doc.reset();
    }

    void choosingInAListChangesTheDocument_data()
    {
        QTest::addColumn<int>("list");  // 0 realm, 1 class, 2 race
        QTest::addColumn<QStringList>("told");
        QTest::newRow("realm") << 0 << QStringList{"race", "class"};
        QTest::newRow("class") << 1 << QStringList{"race", "class"};
        QTest::newRow("race") << 2 << QStringList{"race"};
    }
    void choosingInAListChangesTheDocument()
    {
        QFETCH(int, list);
        QFETCH(QStringList, told);
        Open();
        QComboBox* lists[] = {Header()->RealmList(), Header()->ClassList(), Header()->RaceList()};
        QVERIFY(lists[list]->count() > 1);
        lists[list]->setFocus();
        QTest::keyClick(lists[list], Qt::Key_Down);
        QCOMPARE(lists[list]->currentIndex(), 1);
        // The lists below the chosen one start again at their first entry.
        for (int below = list + 1; below < 3; ++below)
            QCOMPARE(lists[below]->currentIndex(), 0);
        QCOMPARE(QString::fromStdString(m_doc->GetRealm()), lists[0]->currentText());
        // The lists hold what the data has for the realm and class chosen.
        const CClassTable& classes = m_database.Classes();
        const std::vector<std::string> realmClasses = classes.NamesOfRealm(lists[0]->currentIndex());
        QCOMPARE(lists[1]->count(), int(realmClasses.size()));
        QCOMPARE(m_doc->GetClass(), realmClasses.at(lists[1]->currentIndex()));
        const std::vector<std::string> races = classes.RaceNames(classes.FindByName(m_doc->GetClass()));
        QCOMPARE(lists[2]->count(), int(races.size()));
        QCOMPARE(m_doc->GetRace(), races.at(lists[2]->currentIndex()));
        QCOMPARE(m_log, told);
    }

    void spinFieldsChangeTheDocument_data()
    {
        QTest::addColumn<SpinCase>("c");
        QTest::newRow("level typed") << SpinCase{false, 50.f, "39", Qt::Key_Return, "39", 39.f, "0 RPs"};
        QTest::newRow("level up a half") << SpinCase{false, 40.f, "", Qt::Key_Up, "40.5", 40.5f, "0 RPs"};
        QTest::newRow("level at the top") << SpinCase{false, 50.f, "", Qt::Key_Up, "50", 50.f, "0 RPs"};
        QTest::newRow("rank up") << SpinCase{true, 9.f, "", Qt::Key_Up, "R2L0", 10.f, "7.125 RPs"};
        QTest::newRow("rank typed") << SpinCase{true, 12.f, "R5L3", Qt::Key_Return, "R5L3", 43.f, "639.625 RPs"};
        QTest::newRow("rank at the bottom") << SpinCase{true, 0.f, "", Qt::Key_Down, "R1L0", 0.f, "0 RPs"};
    }
    void spinFieldsChangeTheDocument()
    {
        QFETCH(SpinCase, c);
        const auto& [rank, start, typed, key, shown, value, points] = c;
        Open([&](CQuillmarDoc& doc) { rank ? doc.SetRealmRank(int(start)) : doc.SetLevel(start); });
        CHeaderSpinField* field = rank ? Header()->RealmRankField() : Header()->LevelField();
        field->setFocus();
        if (!typed.isEmpty()) {
            field->editField()->selectAll();
            QTest::keyClicks(field->editField(), typed);
        }
        QTest::keyClick(field, key);
        QCOMPARE(field->text(), shown);
        QCOMPARE(rank ? float(m_doc->GetRealmRank()) : m_doc->GetLevel(), value);
        QCOMPARE(Header()->RealmPointsField()->text(), points);
        const bool changed = value != start;
        QCOMPARE(m_log, changed ? QStringList{rank ? "rank" : "level"} : QStringList{});
        QCOMPARE(m_doc->IsModified(), changed);
    }

    void switchesChangeTheDocument()
    {
        Open();
        QVERIFY(!Header()->SnapButton()->isVisible());
        QTest::mouseClick(Header()->CareerBox(), Qt::LeftButton);
        QCOMPARE(m_doc->IsCareerMode(), 1);
        QVERIFY(Header()->SnapButton()->isVisible() && Header()->DelButton()->isVisible());
        QCOMPARE(m_log, QStringList{"plan"});
        m_log.clear();
        QTest::mouseClick(Header()->CoopBox(), Qt::LeftButton);
        QCOMPARE(m_doc->GetOption(doc_option::CoopMode), 1);
        QCOMPARE(m_log, QStringList{"class"});
    }

    void refreshShowsTheDocument()
    {
        Open();
        m_doc->StoreIdentity("Nordhal", "", "");
        m_doc->SetLevel(33);
        m_doc->SetBoundToFile(true);  // a character from a file keeps realm, class and race
        m_doc->UpdateAllViews(0);
        QCOMPARE(Header()->RealmList()->currentText(), QStringLiteral("Nordhal"));
        QCOMPARE(QString::fromStdString(m_doc->GetClass()), Header()->ClassList()->currentText());
        QCOMPARE(Header()->LevelField()->text(), QStringLiteral("33"));
        for (QComboBox* list : {Header()->RealmList(), Header()->ClassList(), Header()->RaceList()})
            QVERIFY(!list->isEnabled());
    }
};

QTEST_MAIN(CQuillmarViewTest)
#include "CQuillmarViewTest.moc"
