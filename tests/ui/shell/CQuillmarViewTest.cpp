// The character window's header and tabs against the shipped data: what a
// click or key in the header does to the document, what the header shows, and
// which notification the page gets.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

#include <memory>
#include <string>
#include <vector>

#include "controls/CEditColor.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "markup/CRichTooltip.h"
#include "markup/QtCodePage.h"
#include "pages/skills/CPage2.h"
#include "pages/stats/CPage1.h"
#include "shell/CEmptyPage.h"
#include "shell/CHeaderSpinField.h"
#include "shell/CQuillmarView.h"
#include "support/RecordingPrompt.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"

namespace {

// Writes down every notification, tagged with its page, into the test's log.
class RecordingPage : public CAPage {
public:
    RecordingPage(CShellContext& context, CQuillmarDoc& document, PageId id, QWidget* parent,
                  QStringList& log)
        : CAPage(context, document, parent), m_id(id), m_log(log)
    {
        setMinimumSize(300, 200);
        RecordTemplateSize();
    }
    PageId Id() const { return m_id; }

    void OnRaceChanged() override { m_log << "race"; }
    void OnLevelChanged() override { m_log << "level"; }
    void OnClassChanged() override { m_log << "class"; }
    void OnRealmRankChanged() override { m_log << "rank"; }
    void OnSkillPlanChanged() override { m_log << "plan"; }

private:
    PageId m_id;
    QStringList& m_log;
};

QStringList TabTitles(const QTabWidget* tabs)
{
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i)
        titles << tabs->tabText(i);
    return titles;
}

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

}  // namespace

class CQuillmarViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CGameDatabase> m_german, m_english;
    std::unique_ptr<CAppSettings> m_settings;
    RecordingPrompt m_prompt;
    std::unique_ptr<CShellContext> m_context;
    std::unique_ptr<CQuillmarDoc> m_doc;
    std::unique_ptr<CQuillmarView> m_view;
    QStringList m_log;

    CGameDatabase& Database(const QString& language) { return language == "de" ? *m_german : *m_english; }

    // A window for a fresh character (or one set up by `prepare`), opened as the
    // child window opens it, with pages that record their notifications.
    void Open(const QString& language = "en", const std::function<void(CQuillmarDoc&)>& prepare = {},
              bool recordingPages = true)
    {
        m_view.reset();
        m_doc.reset();
        m_context = std::make_unique<CShellContext>(
            CShellContext{Database(language), *m_settings, m_prompt,
                          language == "de" ? UiLanguage::German : UiLanguage::English});
        m_doc = std::make_unique<CQuillmarDoc>(Database(language), *m_settings);
        m_doc->New();
        if (prepare)
            prepare(*m_doc);
        m_view = std::make_unique<CQuillmarView>(*m_context, *m_doc);
        if (recordingPages) {
            m_view->SetPageFactory([this](PageId id, CShellContext& context, CQuillmarDoc& document,
                                          QWidget* parent) -> std::unique_ptr<CAPage> {
                return std::make_unique<RecordingPage>(context, document, id, parent, m_log);
            });
        }
        m_view->OnInitialUpdate();
        m_view->resize(m_view->sizeHint());
        m_view->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
        m_log.clear();
    }

    // Clicks the spin's upper or lower arrow.
    void ClickArrow(CHeaderSpinField* field, bool up)
    {
        QStyleOptionSpinBox option;
        option.initFrom(field);
        option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame |
                             QStyle::SC_SpinBoxEditField;
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        option.buttonSymbols = field->buttonSymbols();
        option.frame = field->hasFrame();
        const QRect arrow = field->style()->subControlRect(
            QStyle::CC_SpinBox, &option, up ? QStyle::SC_SpinBoxUp : QStyle::SC_SpinBoxDown, field);
        QVERIFY(arrow.isValid());
        QTest::mouseClick(field, Qt::LeftButton, Qt::NoModifier, arrow.center());
    }

    void TypeInto(CHeaderSpinField* field, const QString& text, Qt::Key finish)
    {
        field->setFocus();
        field->editField()->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field->editField(), Qt::Key_Delete);
        else
            QTest::keyClicks(field->editField(), text);
        QTest::keyClick(field, finish);
    }

    RecordingPage* Page() const { return dynamic_cast<RecordingPage*>(m_view->CurrentPage()); }

private slots:
    void initTestCase()
    {
        QuietUnsupportedPlatformWarnings();
        m_german = std::make_unique<CGameDatabase>(QUILLMAR_SHIPPED_DATA);
        m_german->Load("de");
        m_english = std::make_unique<CGameDatabase>(QUILLMAR_SHIPPED_DATA);
        m_english->Load("en");
        QVERIFY(m_german->IsLoaded() && m_english->IsLoaded());
    }
    void init()
    {
        m_settings = std::make_unique<CAppSettings>();
        m_settings->Set(setting::DONT_SAVE_SELECTION, 1);
        m_log.clear();
    }
    void cleanup()
    {
        m_view.reset();
        m_doc.reset();
    }

    void aNewCharacterStartsOnTheFirstEntriesWithTheFocusInTheRealmList()
    {
        Open();
        QCOMPARE(m_view->RealmList()->currentText(), QString("Caldor"));
        QCOMPARE(m_doc->GetRealm(), std::string("Caldor"));
        QCOMPARE(m_doc->GetClass(), m_english->Classes().NamesOfRealm(0).front());
        QCOMPARE(QString::fromStdString(m_doc->GetRace()), m_view->RaceList()->currentText());
        for (QComboBox* list : {m_view->RealmList(), m_view->ClassList(), m_view->RaceList()})
            QVERIFY(list->isEnabled());
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
        QCOMPARE(QApplication::focusWidget(), m_view->RealmList());
        QCOMPARE(m_view->LevelField()->text(), QString("50"));
        QCOMPARE(m_view->RealmRankField()->text(), QString("R1L0"));
        QCOMPARE(m_view->RealmPointsField()->text(), QString("0 RPs"));
        QVERIFY(!m_view->SnapButton()->isVisible());
    }

    void activatingTheWindowPointsTheDatabaseAtItsCharacter()
    {
        Open();
        m_view->ClassList()->setCurrentIndex(2);
        const DatabaseSelection mine = m_english->Selection();
        m_english->SelectRealmByCode("nor");
        m_english->SelectClass(m_english->Classes().NamesOfRealm(2).front());
        m_view->OnActivate();
        QCOMPARE(m_english->Selection().realm, mine.realm);
        QCOMPARE(m_english->Selection().classIndex, mine.classIndex);
        QCOMPARE(m_english->Selection().race, mine.race);
    }

    void aCharacterFromAFileShowsDisabledLists()
    {
        Open("en", [](CQuillmarDoc& doc) { doc.SetBoundToFile(true); });
        for (QComboBox* list : {m_view->RealmList(), m_view->ClassList(), m_view->RaceList()})
            QVERIFY(!list->isEnabled());
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
        QVERIFY(QApplication::focusWidget() != m_view->RealmList());
    }

    void choosingARealmTakesItsFirstClassAndRace()
    {
        Open();
        m_view->RealmList()->setFocus();
        QTest::keyClick(m_view->RealmList(), Qt::Key_Down);
        QCOMPARE(m_doc->GetRealm(), std::string("Glenmora"));
        const std::vector<std::string> classes = m_english->Classes().NamesOfRealm(1);
        QCOMPARE(m_view->ClassList()->count(), static_cast<int>(classes.size()));
        QCOMPARE(m_doc->GetClass(), classes.front());
        QCOMPARE(m_view->ClassList()->currentIndex(), 0);
        const std::vector<std::string> races =
            m_english->Classes().RaceNames(m_english->Classes().FindByName(classes.front()));
        QCOMPARE(m_doc->GetRace(), races.front());
        QCOMPARE(m_view->RaceList()->count(), static_cast<int>(races.size()));
        QCOMPARE(m_log, QStringList({"race", "class"}));
        QCOMPARE(m_english->Selection().realm, 1);
        QCOMPARE(m_settings->Get(setting::LAST_REALM), 1);
    }

    void choosingAClassRefillsTheRacesAndClearsThePlan()
    {
        Open();
        m_doc->AddStatRaise(0, 3);
        m_view->ClassList()->setFocus();
        QTest::keyClick(m_view->ClassList(), Qt::Key_Down);
        const std::string chosen = m_english->Classes().NamesOfRealm(0)[1];
        QCOMPARE(m_doc->GetClass(), chosen);
        QCOMPARE(m_doc->GetStatRaises()[0], 0);
        const std::vector<std::string> races =
            m_english->Classes().RaceNames(m_english->Classes().FindByName(chosen));
        QCOMPARE(m_view->RaceList()->count(), static_cast<int>(races.size()));
        QCOMPARE(m_doc->GetRace(), races.front());
        QCOMPARE(m_log, QStringList({"race", "class"}));
    }

    void choosingARaceTellsThePageOnlyThat()
    {
        Open();
        QVERIFY(m_view->RaceList()->count() > 1);
        m_view->RaceList()->setFocus();
        QTest::keyClick(m_view->RaceList(), Qt::Key_Down);
        QCOMPARE(QString::fromStdString(m_doc->GetRace()), m_view->RaceList()->itemText(1));
        QCOMPARE(m_log, QStringList({"race"}));
    }

    void femaleOnlyClassesCarryTheSuffixOfTheDataLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("de") << "de" << QString::fromUtf8("Klingentänzerin (Weiblich)")
                            << QByteArray("Klingent\xE4nzerin");
        QTest::newRow("en") << "en"
                            << "Bladedancer (Female)" << QByteArray("Bladedancer");
    }
    void femaleOnlyClassesCarryTheSuffixOfTheDataLanguage()
    {
        QFETCH(QString, language);
        QFETCH(QString, item);
        QFETCH(QByteArray, stored);
        Open(language);
        const int index = m_view->ClassList()->findText(item);
        QVERIFY2(index > 0, qPrintable(Items(m_view->ClassList()).join('|')));
        m_view->ClassList()->setCurrentIndex(index);
        QCOMPARE(m_doc->GetClass(), stored.toStdString());
        QVERIFY(m_doc->Database().IsFemaleOnly());
        // The next refresh finds the stored name in the list again.
        m_doc->UpdateAllViews(0);
        QCOMPARE(m_view->ClassList()->currentText(), item);
        QCOMPARE(m_doc->GetClass(), stored.toStdString());
    }

    void storedNamesMissingFromTheListsGiveTheFirstEntries()
    {
        Open("en", [](CQuillmarDoc& doc) { doc.StoreIdentity("Nordhal", "Nobody", "No Such Class"); });
        QCOMPARE(m_view->RealmList()->currentText(), QString("Nordhal"));
        QCOMPARE(m_doc->GetClass(), m_english->Classes().NamesOfRealm(2).front());
        QCOMPARE(m_view->ClassList()->currentIndex(), 0);
        QCOMPARE(m_view->RaceList()->currentIndex(), 0);
        QCOMPARE(QString::fromStdString(m_doc->GetRace()), m_view->RaceList()->itemText(0));
        // Case and a prefix are enough for a stored realm.
        m_doc->StoreIdentity("glen", m_doc->GetRace(), m_doc->GetClass());
        m_doc->UpdateAllViews(0);
        QCOMPARE(m_doc->GetRealm(), std::string("Glenmora"));
    }

    void levelSpin_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("up");
        QTest::addColumn<bool>("mouse");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("notified");
        QTest::newRow("39 up") << "39" << true << false << "40" << true;
        QTest::newRow("40 up") << "40" << true << false << "40.5" << true;
        QTest::newRow("40.5 down") << "40.5" << false << false << "40" << true;
        QTest::newRow("40 down") << "40" << false << false << "39" << true;
        QTest::newRow("50 up stays") << "50" << true << false << "50" << false;
        QTest::newRow("5 down stays") << "5" << false << false << "5" << true;
        QTest::newRow("arrow button up") << "39" << true << true << "40" << true;
        QTest::newRow("arrow button down") << "45.5" << false << true << "45" << true;
    }
    void levelSpin()
    {
        QFETCH(QString, typed);
        QFETCH(bool, up);
        QFETCH(bool, mouse);
        QFETCH(QString, shown);
        QFETCH(bool, notified);
        Open();
        CHeaderSpinField* field = m_view->LevelField();
        field->setFocus();
        field->editField()->selectAll();
        QTest::keyClicks(field->editField(), typed);
        if (mouse)
            ClickArrow(field, up);
        else
            QTest::keyClick(field, up ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(field->text(), shown);
        QCOMPARE(m_doc->GetLevel(), shown.toFloat());
        QCOMPARE(m_log.contains("level"), notified);
    }

    void typedLevels_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("finish");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("changed");
        QTest::newRow("enter") << "39" << int(Qt::Key_Return) << "39" << true;
        QTest::newRow("tab away") << "42.5" << int(Qt::Key_Tab) << "42.5" << true;
        QTest::newRow("not a number") << "abc" << int(Qt::Key_Return) << "5" << true;
        QTest::newRow("too high is the top, which it was") << "77" << int(Qt::Key_Return) << "50" << false;
        QTest::newRow("decimal comma") << "44,5" << int(Qt::Key_Enter) << "44.5" << true;
    }
    void typedLevels()
    {
        QFETCH(QString, typed);
        QFETCH(int, finish);
        QFETCH(QString, shown);
        QFETCH(bool, changed);
        Open();
        TypeInto(m_view->LevelField(), typed, Qt::Key(finish));
        QCOMPARE(m_view->LevelField()->text(), shown);
        QCOMPARE(m_doc->GetLevel(), shown.toFloat());
        QCOMPARE(m_log, changed ? QStringList{"level"} : QStringList{});
        QCOMPARE(m_doc->IsModified(), changed);
    }

    void leavingAnUnchangedFieldChangesNothing()
    {
        Open();
        m_view->LevelField()->setFocus();
        QTest::keyClick(m_view->LevelField(), Qt::Key_Tab);
        QTest::keyClick(m_view->RealmRankField(), Qt::Key_Tab);
        QCOMPARE(m_log, QStringList());
        QVERIFY(!m_doc->IsModified());
    }

    void realmRankSpin()
    {
        Open("en", [](CQuillmarDoc& doc) { doc.SetRealmRank(9); });
        CHeaderSpinField* field = m_view->RealmRankField();
        QCOMPARE(field->text(), QString("R1L9"));
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Up);
        QCOMPARE(m_doc->GetRealmRank(), 10);
        QCOMPARE(field->text(), QString("R2L0"));
        QCOMPARE(m_view->RealmPointsField()->text(), QString("7.125 RPs"));
        QCOMPARE(m_log, QStringList({"rank"}));
        ClickArrow(field, false);
        QCOMPARE(m_doc->GetRealmRank(), 9);
        QCOMPARE(m_view->HeaderTooltip()->toolText(m_view->HeaderTooltip()->toolCount() - 1),
                 std::string("<al_c><b>R1L9</b><br><hr=100%><br>5.100 - 7.124 RPs"));
        m_log.clear();
        m_doc->SetRealmRank(0);
        m_doc->UpdateAllViews(0);
        QTest::keyClick(field, Qt::Key_Down);
        QCOMPARE(m_doc->GetRealmRank(), 0);
        QCOMPARE(m_log, QStringList());
    }

    void typedRealmRanks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("points");
        QTest::newRow("R10L10") << "R10L10" << 100 << "R10L10"
                                << "8.208.750 RPs";
        QTest::newRow("R5L3") << "R5L3" << 43 << "R5L3"
                              << "639.625 RPs";
        QTest::newRow("53") << "53" << 43 << "R5L3"
                            << "639.625 RPs";
        QTest::newRow("beyond the top") << "R13L5" << 110 << "R12L0"
                                        << "23.308.097 RPs";
        QTest::newRow("empty keeps the rank") << "" << 12 << "R2L2"
                                              << "12.650 RPs";
    }
    void typedRealmRanks()
    {
        QFETCH(QString, typed);
        QFETCH(int, code);
        QFETCH(QString, shown);
        QFETCH(QString, points);
        Open("en", [](CQuillmarDoc& doc) { doc.SetRealmRank(12); });
        TypeInto(m_view->RealmRankField(), typed, Qt::Key_Return);
        QCOMPARE(m_doc->GetRealmRank(), code);
        QCOMPARE(m_view->RealmRankField()->text(), shown);
        QCOMPARE(m_view->RealmPointsField()->text(), points);
        QCOMPARE(m_log.contains("rank"), code != 12);
    }

    void careerModeShowsSnapAndDel()
    {
        Open();
        QTest::mouseClick(m_view->CareerBox(), Qt::LeftButton);
        QCOMPARE(m_doc->IsCareerMode(), 1);
        QCOMPARE(m_doc->GetOption(doc_option::CareerMode), 1);
        QVERIFY(m_view->SnapButton()->isVisible());
        QVERIFY(m_view->DelButton()->isVisible());
        QCOMPARE(m_log, QStringList({"plan"}));

        // A plan entry at this level colours the level field; Del clears it again.
        const std::string line = m_doc->SkillLines().front();
        m_doc->SetSpecLevel(line, 10);
        QCOMPARE(m_view->LevelField()->backgroundColor(), QColor(192, 255, 192));
        m_log.clear();
        m_view->DelButton()->setFocus();
        QTest::keyClick(m_view->DelButton(), Qt::Key_Return);
        QVERIFY(!m_doc->LevelHasEntries());
        QVERIFY(m_view->LevelField()->backgroundColor() != QColor(192, 255, 192));
        QCOMPARE(m_log, QStringList({"plan"}));
        m_log.clear();
        QTest::mouseClick(m_view->SnapButton(), Qt::LeftButton);
        QCOMPARE(m_log, QStringList({"plan"}));
        QVERIFY(m_doc->LevelHasEntries());
        QCOMPARE(m_view->LevelField()->backgroundColor(), QColor(192, 255, 192));

        m_log.clear();
        m_view->CareerBox()->setFocus();
        QTest::keyClick(m_view->CareerBox(), Qt::Key_Space);
        QCOMPARE(m_doc->IsCareerMode(), 0);
        QVERIFY(!m_view->SnapButton()->isVisible());
        QCOMPARE(m_log, QStringList({"plan"}));
    }

    void hiddenButtonsKeepTheHeaderInPlace()
    {
        Open();
        const QRect points = m_view->RealmPointsField()->geometry();
        QTest::mouseClick(m_view->CareerBox(), Qt::LeftButton);
        QCOMPARE(m_view->RealmPointsField()->geometry(), points);
    }

    void coopSwitchSetsTheOptionAndRefreshesThePage()
    {
        Open();
        QTest::mouseClick(m_view->CoopBox(), Qt::LeftButton);
        QCOMPARE(m_doc->GetOption(doc_option::CoopMode), 1);
        QCOMPARE(m_log, QStringList({"class"}));
        QTest::mouseClick(m_view->CoopBox(), Qt::LeftButton);
        QVERIFY(!m_doc->Options().Contains(doc_option::CoopMode));
        QCOMPARE(m_log, QStringList({"class", "class"}));
        // A character saved with co-op on opens with the box ticked.
        Open("en", [](CQuillmarDoc& doc) { doc.SetOption(doc_option::CoopMode, 1); });
        QVERIFY(m_view->CoopBox()->isChecked());
    }

    void tabSets_data()
    {
        QTest::addColumn<int>("oldRas");
        QTest::addColumn<int>("experimental");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("neither") << 0 << 0
                                 << QStringList{"Stats", "Skills", "Spells", "Styles", "RA NF", "MaLevel"};
        QTest::newRow("old RAs") << 1 << 0 << QStringList{"Stats", "Skills", "Spells", "Styles",
                                                          "RA",    "RA NF",  "MaLevel"};
        QTest::newRow("experimental") << 0 << 1 << QStringList{"Stats", "Skills",  "Spells", "Styles",
                                                               "RA NF", "MaLevel", "Calc",   "Resis"};
        QTest::newRow("both") << 1 << 1 << QStringList{"Stats", "Skills",  "Spells", "Styles", "RA",
                                                       "RA NF", "MaLevel", "Calc",   "Resis"};
    }
    void tabSets()
    {
        QFETCH(int, oldRas);
        QFETCH(int, experimental);
        QFETCH(QStringList, titles);
        m_settings->Set(setting::SHOW_OLD_RAS, oldRas);
        m_settings->Set(setting::SHOW_EXPERIMENTAL, experimental);
        Open("de");
        QCOMPARE(TabTitles(m_view->Tabs()), titles);
        // Every tab opens its own page.
        for (int i = 0; i < m_view->Tabs()->count(); ++i) {
            m_view->Tabs()->setCurrentIndex(i);
            QVERIFY(Page());
            QCOMPARE(m_view->Tabs()->tabText(i), m_context->Text(ui_text::kViewTabFirst + int(Page()->Id())));
            QCOMPARE(m_settings->Get(setting::LAST_PAGE), i);
            QVERIFY(Page()->isVisible());
        }
    }

    void lastPageIsATabPosition_data()
    {
        QTest::addColumn<int>("lastPage");
        QTest::addColumn<int>("oldRas");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("pageId");
        QTest::newRow("4 without old RAs is the fifth tab") << 4 << 0 << "RA NF" << 5;
        QTest::newRow("5 without old RAs") << 5 << 0 << "MaLevel" << 6;
        QTest::newRow("4 with old RAs") << 4 << 1 << "RA" << 4;
        QTest::newRow("past the last tab") << 6 << 0 << "Stats" << 0;
        QTest::newRow("negative") << -3 << 0 << "Stats" << 0;
    }
    void lastPageIsATabPosition()
    {
        QFETCH(int, lastPage);
        QFETCH(int, oldRas);
        QFETCH(QString, title);
        QFETCH(int, pageId);
        m_settings->Set(setting::LAST_PAGE, lastPage);
        m_settings->Set(setting::SHOW_OLD_RAS, oldRas);
        Open();
        QCOMPARE(m_view->CurrentPageId(), pageId);
        QCOMPARE(m_view->Tabs()->tabText(m_view->Tabs()->currentIndex()), title);
    }

    void settingsChangeRebuildsTabsAndPage()
    {
        m_settings->Set(setting::SHOW_EXPERIMENTAL, 1);
        Open();
        m_view->Tabs()->setCurrentIndex(m_view->Tabs()->count() - 1);
        QCOMPARE(m_view->CurrentPageId(), int(PageId::Resists));

        m_settings->Set(setting::SHOW_EXPERIMENTAL, 0);
        m_doc->UpdateAllViews(1);
        QCOMPARE(m_view->Tabs()->count(), 6);
        QCOMPARE(m_view->CurrentPageId(), int(PageId::Stats));
        QCOMPARE(m_view->Tabs()->currentIndex(), 0);
        QCOMPARE(m_settings->Get(setting::LAST_PAGE), 0);

        // A position that still exists is kept, whatever page now stands there.
        m_view->Tabs()->setCurrentIndex(4);
        QCOMPARE(m_view->CurrentPageId(), int(PageId::RealmAbilitiesNf));
        m_settings->Set(setting::SHOW_OLD_RAS, 1);
        m_doc->UpdateAllViews(1);
        QCOMPARE(m_view->Tabs()->currentIndex(), 4);
        QCOMPARE(m_view->CurrentPageId(), int(PageId::RealmAbilities));
        QVERIFY(Page());
    }

    void showPageFallsBackToAShownPage()
    {
        Open();
        m_view->ShowPage(int(PageId::Resists));
        QCOMPARE(m_view->CurrentPageId(), int(PageId::MasterLevels));
        QCOMPARE(m_view->Tabs()->currentIndex(), 5);
        m_view->ShowPage(int(PageId::RealmAbilities));
        QCOMPARE(m_view->CurrentPageId(), int(PageId::Styles));
        m_view->ShowPage(-1);
        QCOMPARE(m_view->CurrentPageId(), int(PageId::Stats));
        // Only one page at a time, inside the tab's area.
        QCOMPARE(m_view->Tabs()->findChildren<CAPage*>().size(), qsizetype(1));
    }

    void theProgramsPagesByDefault()
    {
        m_settings->Set(setting::SHOW_EXPERIMENTAL, 1);
        Open("en", {}, false);
        QVERIFY(qobject_cast<CPage1*>(m_view->CurrentPage()));
        // The page area is never smaller than the page was laid out for.
        const QSize pageSize = m_view->CurrentPage()->TemplateSize();
        QVERIFY(m_view->CurrentPage()->width() >= pageSize.width());
        QVERIFY(m_view->CurrentPage()->height() >= pageSize.height());
        SaveScreenshot(m_view->grab().toImage(), "view-stats-page");
        for (int i = 1; i < m_view->Tabs()->count(); ++i) {
            m_view->Tabs()->setCurrentIndex(i);
            QVERIFY(m_view->CurrentPage());
            QCOMPARE(m_view->CurrentPage()->parentWidget(), m_view->Tabs()->widget(i));
            if (i == int(PageId::Skills))
                QVERIFY(qobject_cast<CPage2*>(m_view->CurrentPage()));
        }
        QCOMPARE(m_view->Tabs()->tabText(m_view->Tabs()->currentIndex()), QString("Resis"));
    }

    void headerTooltipsFollowTheSettings_data()
    {
        QTest::addColumn<int>("uiTooltips");
        QTest::addColumn<QString>("language");
        QTest::newRow("on, German") << 1 << "de";
        QTest::newRow("on, English") << 1 << "en";
        QTest::newRow("off") << 0 << "en";
    }
    void headerTooltipsFollowTheSettings()
    {
        QFETCH(int, uiTooltips);
        QFETCH(QString, language);
        m_settings->Set(setting::UI_TOOLTIPS, uiTooltips);
        m_settings->Set(setting::TOOLTIP_DELAY, 1500);
        Open(language);
        CRichTooltip* tip = m_view->HeaderTooltip();
        QVERIFY(tip);
        QCOMPARE(tip->initialDelay(), 1500);
        QCOMPARE(tip->hideDelay(), 0);
        // The realm points range is always there; the explanations only when asked for.
        QCOMPARE(tip->toolCount(), uiTooltips ? 7 : 1);
        QCOMPARE(tip->toolText(tip->toolCount() - 1),
                 std::string("<al_c><b>R1L0</b><br><hr=100%><br>0 - 0 RPs"));
        if (uiTooltips) {
            const bool german = language == "de";
            QCOMPARE(tip->toolText(0), std::string(german ? "Reich" : "Realm"));
            QCOMPARE(tip->toolText(2), std::string(german ? "Charakter Rasse" : "Character race"));
            QCOMPARE(tip->toolText(3),
                     std::string(german ? "<al_c><b>Charakter Level</b><br><hr=100%><br>Bestimmt "
                                          "verf\xFCgbare Skillpunkte und Non-Spec Spells"
                                        : "<al_c><b>Character level</b><br><hr=100%><br>Skillpoint "
                                          "and non-spec spells depends on that."));
        }
        // Turning them off takes effect with the next settings update.
        m_settings->Set(setting::UI_TOOLTIPS, 0);
        m_settings->Set(setting::TOOLTIP_DELAY, 0);
        m_doc->UpdateAllViews(1);
        QCOMPARE(tip->toolCount(), 1);
        QCOMPARE(tip->initialDelay(), 0);
    }

    void restingOnAHeaderControlShowsItsTip()
    {
        m_settings->Set(setting::TOOLTIP_DELAY, 0);
        Open("de");
        CRichTooltip* tip = m_view->HeaderTooltip();
        QPoint pointer;
        tip->setPointerSource([&pointer] { return pointer; });
        // The rank field's events come from its inner edit field.
        QWidget* inner = m_view->RealmRankField()->editField();
        pointer = inner->mapToGlobal(QPoint(3, 3));
        QMouseEvent move(QEvent::MouseMove, QPointF(3, 3), QPointF(pointer), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(inner, &move);
        QTRY_VERIFY_WITH_TIMEOUT(tip->isTipShown(), 1000);
        QCOMPARE(tip->toolText(tip->currentTool()),
                 std::string("<al_c><b>Reichsrang</b><br><hr=100%><br>Bestimmt RR-Punkte"));
        QTest::keyClick(m_view->RealmRankField(), Qt::Key_Up);
        QVERIFY(!tip->isTipShown());
        tip->setPointerSource({});
    }

    void everyHeaderControlIsReachedWithTab()
    {
        Open();
        QTest::mouseClick(m_view->CareerBox(), Qt::LeftButton);
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
        m_view->RealmList()->setFocus();
        const QList<QWidget*> expected = {
            m_view->ClassList(),      m_view->RaceList(),         m_view->LevelField(),
            m_view->RealmRankField(), m_view->CareerBox(),        m_view->SnapButton(),
            m_view->DelButton(),      m_view->RealmPointsField(), m_view->CoopBox()};
        for (QWidget* next : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QWidget* focused = QApplication::focusWidget();
            QVERIFY2(focused == next || next->isAncestorOf(focused), qPrintable(focused->objectName()));
        }
    }

    void headerFitsWithoutOverlap_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("career");
        QTest::newRow("de") << "de" << true;
        QTest::newRow("en") << "en" << false;
    }
    void headerFitsWithoutOverlap()
    {
        QFETCH(QString, language);
        QFETCH(bool, career);
        m_settings->Set(setting::SHOW_EXPERIMENTAL, 1);
        m_settings->Set(setting::SHOW_OLD_RAS, 1);
        Open(language, [career](CQuillmarDoc& doc) {
            doc.SetCareerMode(career ? 1 : 0);
            doc.SetRealmRank(109);
            doc.SetLevel(40.5f);
        });
        QList<QWidget*> controls;
        for (QObject* child : m_view->Header()->children()) {
            if (auto* w = qobject_cast<QWidget*>(child); w && !w->isWindow() && w->isVisible())
                controls << w;
        }
        QCOMPARE(controls.size(), career ? 10 : 8);
        for (int i = 0; i < controls.size(); ++i) {
            QWidget* w = controls[i];
            QVERIFY2(m_view->Header()->rect().contains(w->geometry()), qPrintable(w->objectName()));
            if (auto* button = qobject_cast<QPushButton*>(w))  // narrower than the style's usual buttons
                QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) + 12 < button->width());
            else
                QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(w->objectName()));
            for (int j = i + 1; j < controls.size(); ++j)
                QVERIFY2(!w->geometry().intersects(controls[j]->geometry()),
                         qPrintable(w->objectName() + " / " + controls[j]->objectName()));
        }
        // The longest class names and the points of the top ranks are shown in full.
        for (const QString& item : Items(m_view->ClassList()))
            QVERIFY2(m_view->ClassList()->fontMetrics().horizontalAdvance(item) <
                         m_view->ClassList()->width() - 20,
                     qPrintable(item));
        const QLineEdit* points = m_view->RealmPointsField();
        QVERIFY(points->fontMetrics().horizontalAdvance(points->text()) < points->width() - 6);
        const QTabBar* bar = m_view->Tabs()->tabBar();
        QVERIFY(bar->tabRect(bar->count() - 1).right() < m_view->Tabs()->width());

        const QImage image = m_view->grab().toImage();
        QVERIFY(!image.isNull());
        const QString name = QString("view-%1-x%2").arg(language).arg(qApp->devicePixelRatio());
        SaveScreenshot(image, name);
    }
};

QTEST_MAIN(CQuillmarViewTest)
#include "CQuillmarViewTest.moc"
