// The realm-ability pages: what a click on a level button, a key, the box and
// a header click do to the document and to what the page shows, and that a
// purchase survives a save and a reopen in the other data language.
#include <QCheckBox>
#include <QJsonArray>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTemporaryDir>

#include <memory>

#include "controls/CListCtrlMoreNotifies.h"
#include "controls/CToggleButton.h"
#include "document/CQuillmarDoc.h"
#include "document/CharacterFile.h"
#include "pages/realmabilities/CPage5.h"
#include "pages/realmabilities/CPage9_RAnw.h"
#include "markup/QtCodePage.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/PageTestContext.h"
#include "ui/support/PrintedPage.h"
#include "ui/support/QuietPlatform.h"
#include "ui/support/UiTestSupport.h"

using namespace ui_test;
using ra_rules::AbilityRow;

class RealmAbilityPagesTest : public QObject, PageTestContext {
    Q_OBJECT

    std::unique_ptr<CQuillmarDoc> m_doc;
    std::unique_ptr<CRealmAbilityPage> m_page;

    CRealmAbilityPage* makePage(bool newRules, int realmRank, int classIndex = 0)
    {
        m_page.reset();
        m_doc = std::make_unique<CQuillmarDoc>(m_database, m_settings);
        m_doc->SetClass(m_database.Classes().Name(classIndex));
        m_doc->ActivateSelection();
        m_doc->SetLevel(50.0f);
        m_doc->SetRealmRank(realmRank);
        m_doc->SetModified(false);
        m_page.reset(newRules ? static_cast<CRealmAbilityPage*>(new CPage9_RAnw(m_context, *m_doc))
                              : new CPage5(m_context, *m_doc));
        m_page->resize(900, 600);
        m_page->show();
        return m_page.get();
    }
    QString description() const
    {
        return ChildOf<QPlainTextEdit>(m_page.get(), "description")->toPlainText();
    }
    QString field(const char* name) const { return ChildOf<QLineEdit>(m_page.get(), name)->text(); }
    // The first ability row with a button of that level.
    int rowWith(int level) const
    {
        const auto& rows = m_page->Rows();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (!rows[i].IsHeader() && rows[i].HasButton(level) && rows[i].requiredLevel <= 0)
                return static_cast<int>(i);
        qFatal("no row with level %d", level);
    }
    void click(int row, int level)
    {
        CToggleButton* button = m_page->LevelButton(row, level);
        QVERIFY(button && button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
        QCoreApplication::processEvents();  // the button posts its command
    }
    int docLevel(const AbilityRow& row, bool newRules) const
    {
        return newRules ? m_doc->GetRealmAbilityNf(row.name) : m_doc->GetRealmAbility(row.name);
    }

private slots:
    void initTestCase()
    {
        QuietUnsupportedPlatformWarnings();
        m_database.Load("en");
        QVERIFY(m_database.IsLoaded());
    }
    void cleanup()
    {
        m_page.reset();
        m_settings.Set(setting::UI_TOOLTIPS, 0);
    }

    // A click buys up to its level, the bought level clears the ability, and
    // a level the points cannot pay stays unbought until the box is ticked.
    void levelButtonsBuyClearAndRespectThePointCheck_data()
    {
        QTest::addColumn<bool>("newRules");
        QTest::newRow("old rules") << false;
        QTest::newRow("new rules") << true;
    }
    void levelButtonsBuyClearAndRespectThePointCheck()
    {
        QFETCH(bool, newRules);
        makePage(newRules, 10);
        const int row = rowWith(3);
        click(row, 2);
        const AbilityRow& ability = m_page->Rows()[static_cast<std::size_t>(row)];
        QCOMPARE(docLevel(ability, newRules), 2);
        QVERIFY(m_doc->IsModified());
        QVERIFY(m_page->LevelButton(row, 1)->isPressed() && m_page->LevelButton(row, 2)->isPressed());
        QVERIFY(!m_page->LevelButton(row, 3)->isPressed());
        QCOMPARE(field("usedPoints"), QString::number(m_page->Points().used));
        QCOMPARE(field("freePoints"), QString::number(10 - m_page->Points().used));
        click(row, 2);
        QCOMPARE(docLevel(ability, newRules), 0);
        QVERIFY(!m_page->LevelButton(row, 1)->isPressed());

        // Without points the top level is refused, and its button goes back up.
        const int top = ability.HasButton(5) ? 5 : 3;
        m_doc->SetRealmRank(0);
        m_page->OnRealmRankChanged();
        click(row, top);
        QCOMPARE(docLevel(ability, newRules), 0);
        QVERIFY(!m_page->LevelButton(row, top)->isPressed());
        auto* needed = ChildOf<QGroupBox>(m_page.get(), "needed");
        QVERIFY(!needed->isVisible());
        QTest::mouseClick(ChildOf<QCheckBox>(m_page.get(), "ignorePoints"), Qt::LeftButton);
        QCOMPARE(m_doc->GetOption(doc_option::CheckRAPoints), 1);
        QVERIFY(needed->isVisible());
        click(row, top);
        QCOMPARE(docLevel(ability, newRules), top);
        QCOMPARE(field("neededRank"), QString::fromStdString(m_page->Points().needed.realmRank));
        QVERIFY(field("freePoints").toInt() < 0);
    }

    // Keys 1 to 5 buy on the current row, Delete clears it; the description follows.
    void keysBuyAndClearTheCurrentRow()
    {
        makePage(true, 50);
        auto* list = ChildOf<CListCtrlMoreNotifies>(m_page.get(), "abilityList");
        const int row = rowWith(2);
        list->setFocus();
        list->setCurrentItem(list->topLevelItem(row));
        const AbilityRow& ability = m_page->Rows()[static_cast<std::size_t>(row)];
        QCOMPARE(description().toStdString(), ability.description);
        QTest::keyClick(list, Qt::Key_2);
        QCOMPARE(m_doc->GetRealmAbilityNf(ability.name), 2);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(m_doc->GetRealmAbilityNf(ability.name), 0);
        QCOMPARE(list->currentItem(), list->topLevelItem(row));

        // Resting on another row's name describes that row; on a header, nothing changes.
        const auto hoverName = [list](int at) {
            move(list->viewport(), list->visualItemRect(list->topLevelItem(at)).topLeft() + QPoint(4, 4));
        };
        hoverName(row + 1);
        const QString next = description();
        QCOMPARE(next.toStdString(), m_page->Rows()[static_cast<std::size_t>(row + 1)].description);
        hoverName(0);
        QCOMPARE(description(), next);
    }

    // "Name" sorts by name without the separator, "Art" by kind with it.
    void headerClicksSort()
    {
        auto* page = static_cast<CPage5*>(makePage(false, 50));
        auto* list = ChildOf<CListCtrlMoreNotifies>(page, "abilityList");
        const auto separators = [page] {
            return std::count_if(page->Rows().begin(), page->Rows().end(),
                                 [](const AbilityRow& row) { return row.kind == ra_rules::kSeparator; });
        };
        QCOMPARE(separators(), 1);
        emit list->header()->sectionClicked(0);
        QCOMPARE(page->Sort(), ra_rules::SortMode::ByName);
        QCOMPARE(separators(), 0);
        QCOMPARE(list->topLevelItemCount(), static_cast<int>(page->Rows().size()));
        emit list->header()->sectionClicked(2);
        QCOMPARE(page->Sort(), ra_rules::SortMode::ByName);
        emit list->header()->sectionClicked(1);
        QCOMPARE(separators(), 1);
    }

    // After a scroll the buttons sit on their rows again; rows scrolled out of
    // sight have theirs hidden.
    void buttonsFollowTheScroll()
    {
        makePage(true, 50);
        m_page->resize(700, 220);
        QCoreApplication::processEvents();
        auto* list = ChildOf<CListCtrlMoreNotifies>(m_page.get(), "abilityList");
        QVERIFY(list->verticalScrollBar()->maximum() > 0);
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
        QCoreApplication::processEvents();
        SaveScreenshot(m_page->grab().toImage(), "CPage9_scrolled");
        const int first = rowWith(1);
        QVERIFY(!m_page->LevelButton(first, 1)->isVisible());
        const int last = static_cast<int>(m_page->Rows().size()) - 1;
        CToggleButton* button = m_page->LevelButton(last, 1);
        QVERIFY(button && button->isVisible());
        QCOMPARE(button->geometry().top(), list->visualItemRect(list->topLevelItem(last)).top());
    }

    // A bought ability is in the file and, reopened with the German data, on
    // the same ability; the new-rules augmenters raise the stat totals.
    void purchasesSurviveSaveReopenAndTheDataLanguage()
    {
        makePage(true, 100);
        const StatValues before = m_doc->GetStatTotals();
        for (std::size_t row = 0; row < m_page->Rows().size(); ++row)
            if (!m_page->Rows()[row].IsHeader())
                m_page->ClickLevel(static_cast<int>(row), 1);
        QVERIFY(m_doc->GetStatTotals() != before);
        makePage(false, 100);
        const int oldRow = rowWith(2);
        click(oldRow, 2);
        const std::string oldName = m_page->Rows()[static_cast<std::size_t>(oldRow)].name;
        m_doc->SetRealmAbilityNf(m_database.RealmAbilitiesNf().Name(0), 1);

        QTemporaryDir folder;
        const std::string file = folder.filePath("hero.chr").toStdString();
        QVERIFY(SaveCharacterFile(*m_doc, file, UiLanguage::English).ok);
        CGameDatabase german{QUILLMAR_SHIPPED_DATA};
        german.Load("de");
        CQuillmarDoc reopened(german, m_settings);
        QVERIFY(LoadCharacterFile(reopened, file, &m_prompt, UiLanguage::German).Ok());
        const int oldIndex = m_database.RealmAbilities().FindByName(oldName);
        QCOMPARE(reopened.GetRealmAbility(german.RealmAbilities().Name(oldIndex)), 2);
        QCOMPARE(reopened.GetRealmAbilityNf(german.RealmAbilitiesNf().Name(0)), 1);
    }

    // quillmar-cli prints the rows, levels, marks and button states the page shows.
    void pagesShowWhatTheCommandLinePrints()
    {
        for (const bool newRules : {false, true}) {
            makePage(newRules, 30, 7);
            m_page->ClickLevel(rowWith(2), 2);
            QStringList shown, printed;
            for (const AbilityRow& row : m_page->Rows()) {
                QString line = Windows1252ToQString(row.name) + "|" + QString::number(row.level) + "|" +
                               QString::number(row.mark) + "|";
                for (int level = 1; level <= ra_rules::kLevelCount; ++level)
                    if (CToggleButton* button = m_page->LevelButton(static_cast<int>(&row - m_page->Rows().data()), level))
                        line += button->text() + (button->isPressed() ? "+" : "-") + (button->isAvailable() ? "a" : "n");
                shown << line;
            }
            const QJsonObject page = PrintedPage(*m_doc, newRules ? "ranf" : "ra");
            for (const QJsonValue row : page["rows"].toArray()) {
                QString line = row["name"].toString() + "|" + QString::number(row["level"].toInt()) + "|" +
                               QString::number(row["mark"].toInt()) + "|";
                for (const QJsonValue button : row["buttons"].toArray())
                    line += button["caption"].toString() + (button["pressed"].toBool() ? "+" : "-") +
                            (button["available"].toBool() ? "a" : "n");
                printed << line;
            }
            QCOMPARE(shown, printed);
            QCOMPARE(page["free"].toInt(), field("freePoints").toInt());
            SaveScreenshot(m_page->grab().toImage(), m_page->metaObject()->className());
        }
    }
};

QTEST_MAIN(RealmAbilityPagesTest)
#include "RealmAbilityPagesTest.moc"
