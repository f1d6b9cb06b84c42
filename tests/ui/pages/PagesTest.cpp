// The wiring of the stats and skills pages: a key or click changes the document
// and the shown values follow the page rules; the respec and auto-train dialogs
// write what was chosen on OK and nothing on Cancel.
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>

#include <memory>

#include "controls/CEditColor.h"
#include "controls/CEditKeyResponse.h"
#include "controls/CListCtrlMoreNotifies.h"
#include "controls/CNumEdit.h"
#include "document/CQuillmarDoc.h"
#include "markup/CRichTooltip.h"
#include "markup/QtCodePage.h"
#include "pages/resists/CPage7.h"
#include "pages/skills/AutoTrainRules.h"
#include "pages/spells/CPage3.h"
#include "pages/spells/SpellsRules.h"
#include "pages/skills/CDlgAutoTrain.h"
#include "pages/skills/CDlgRespec.h"
#include "pages/skills/CEditAutoTrain.h"
#include "pages/skills/CPage2.h"
#include "pages/skills/CSkillListDelegate.h"
#include "pages/skills/RespecRules.h"
#include "pages/stats/CPage1.h"
#include "pages/stats/StatsRules.h"
#include "pages/styles/CPage4.h"
#include "pages/styles/StylesRules.h"
#include "markup/CRichMarkupView.h"
#include <QComboBox>
#include "ui/support/ImageProbe.h"
#include "ui/support/PageTestContext.h"
#include "ui/support/PrintedPage.h"
#include "ui/support/QuietPlatform.h"
#include "ui/support/UiTestSupport.h"

using namespace skills_rules;
using namespace stats_rules;
using namespace ui_test;

// Raises to start from, the stat's stepper, "up", "down" or a number to type, the raises after.
struct StepCase {
    QList<int> start;
    int stat;
    QString input;
    int after;
};
Q_DECLARE_METATYPE(StepCase)

class PagesTest : public QObject, PageTestContext {
    Q_OBJECT

    std::unique_ptr<CQuillmarDoc> m_doc;
    std::unique_ptr<CAPage> m_page;
    QPoint m_pointer;

    template <typename Page>
    Page* makePage(const char* className, float level = 50.0f, bool career = false, StatValues raises = {})
    {
        m_page.reset();
        m_doc = std::make_unique<CQuillmarDoc>(m_database, m_settings);
        m_doc->SetClass(className);
        if constexpr (std::is_same_v<Page, CPage1>) {
            m_doc->SetRealm("Caldor");
            m_doc->SetRace("Human");
        }
        m_doc->ActivateSelection();
        m_doc->SetLevel(level);
        m_doc->SetCareerMode(career ? 1 : 0);
        m_doc->StoreStatRaises(raises);
        m_doc->SetModified(false);
        auto* page = new Page(m_context, *m_doc);
        m_page.reset(page);
        page->resize(900, 640);
        page->show();
        if (!QTest::qWaitForWindowActive(page))
            qFatal("page not shown");
        if constexpr (std::is_same_v<Page, CPage1>)
            page->Tooltip()->setPointerSource([this] { return m_pointer; });
        return page;
    }
    QString text(const QString& of) const { return ChildOf(m_page.get(), of)->property("text").toString(); }

    CPage1* stats() const { return static_cast<CPage1*>(m_page.get()); }
    QSpinBox* stepper(int stat) const
    {
        return ChildOf<QSpinBox>(m_page.get(), QStringLiteral("stepper%1").arg(stat));
    }
    // Every shown value, as text and colours, is what quillmar-cli prints for the document now.
    void verifyStatsShown() const
    {
        const QJsonObject printed = PrintedPage(*m_doc, "stats");
        CEditColor plain;
        plain.setReadOnly(true);
        const auto look = [&plain](const QJsonValue& cell) {
            return QString::number(cell["value"].toInt()) + cell["text"].toString(plain.textColor().name()) +
                   cell["background"].toString(plain.backgroundColor().name());
        };
        QStringList shown{text("freePoints"), text("capHeader")};
        QStringList wanted{printed["freePoints"].toString(), printed["capHeader"].toString()};
        for (int stat = 0; stat < kStatCount; ++stat) {
            const QJsonValue row = printed["rows"][stat];
            int column = 0;
            for (const char* name : {"base", "atLevel", "itemCap", "withRealmAbilities"}) {
                const auto* cell = ChildOf<CEditColor>(m_page.get(), name + QString::number(stat));
                shown << cell->text() + cell->textColor().name() + cell->backgroundColor().name();
                wanted << look(row["cells"][column++]);
            }
            shown << QString::number(stepper(stat)->value());
            wanted << QString::number(row["spent"].toInt());
        }
        for (int i = 0; i < 3; ++i) {
            shown << text(QStringLiteral("hitPoints%1").arg(i + 1));
            wanted << QString::number(printed["hitPoints"][i].toInt());
        }
        QCOMPARE(shown, wanted);
    }
    // A mouse move as the user would make it; the tip then shown.
    std::string hover(QWidget* widget, QPoint local = {2, 2})
    {
        m_pointer = widget->mapToGlobal(local);
        move(widget, local);
        CRichTooltip* tip = stats()->Tooltip();
        return QTest::qWaitFor([tip] { return tip->isTipShown(); }, 1000) ? tip->toolText(tip->currentTool())
                                                                          : "<no tip>";
    }

    CPage2* skills() const { return static_cast<CPage2*>(m_page.get()); }
    CListCtrlMoreNotifies* list() const { return skills()->SkillList(); }
    // The line's own row; with `group` its first group row ("") or the one of that text.
    int rowOf(const std::string& line, const char* group = nullptr) const
    {
        const auto& rows = skills()->Rows();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].lineName == line && rows[i].IsGroup() == bool(group) &&
                (!group || !*group || rows[i].text == group))
                return static_cast<int>(i);
        qFatal("no row %s", line.c_str());
    }
    CNumEdit* level(const std::string& line) const { return skills()->LevelControl(rowOf(line)); }
    QRect cell(int row, int column) const
    {
        const QRect r = list()->visualItemRect(list()->topLevelItem(row));
        return {list()->header()->sectionViewportPosition(column), r.top(),
                list()->header()->sectionSize(column), r.height()};
    }
    // Pixels of a Level cell in an entry colour as the window shows it once the
    // pending paints are done: what was painted, not a fresh rendering.
    int shown(int row, MarkupColor colour) const
    {
        QApplication::processEvents();
        const QImage window = m_page->screen()->grabWindow(m_page->winId()).toImage();
        const QPoint origin = list()->viewport()->mapTo(m_page.get(), QPoint());
        return CountPixels(window, cell(row, kLevelColumn).translated(origin), Colour(colour), 40);
    }
    void hoverLevel(int row, int pixels)
    {
        const int x =
            list()->header()->sectionViewportPosition(kLevelColumn) + CSkillListDelegate::kTextPadding;
        move(list()->viewport(), {x + pixels, cell(row, kLevelColumn).center().y()});
    }
    RowData rowData(int row) const
    {
        return UnpackRowData(
            list()->topLevelItem(row)->data(kLevelColumn, CSkillListDelegate::kDataRole).toInt());
    }
    // The points fields and a group row's level as quillmar-cli prints them for the document now.
    void verifyPointsAndRow(int groupRow)
    {
        const QJsonObject printed = PrintedPage(*m_doc, "skills");
        QCOMPARE(text("usedPoints"), printed["used"].toString());
        QCOMPARE(text("restPoints"), printed["rest"].toString());
        QCOMPARE(rowData(groupRow).counts, printed["rows"][groupRow]["counts"].toInt());
    }
    // What a list shows and what quillmar-cli prints, alike in shape.
    static QJsonArray shownRows(const QTreeWidget* list)
    {
        QJsonArray rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            QJsonArray cells;
            for (int column = 0; column < list->columnCount(); ++column)
                cells << list->topLevelItem(i)->text(column);
            rows << cells;
        }
        return rows;
    }
    static QJsonArray printedCells(const QJsonObject& page)
    {
        QJsonArray rows;
        for (const QJsonValue row : page["rows"].toArray())
            rows << (row.isArray() ? row : row["cells"]);
        return rows;
    }
    static QJsonArray treeData(const QJsonArray& nodes)
    {
        QJsonArray shape;
        for (const QJsonValue node : nodes)
            shape << QJsonArray{node["data"], treeData(node["children"].toArray())};
        return shape;
    }
    static QJsonArray treeData(const QTreeWidgetItem* parent)
    {
        QJsonArray shape;
        for (int i = 0; i < parent->childCount(); ++i)
            shape << QJsonArray{parent->child(i)->data(0, Qt::UserRole).toInt(), treeData(parent->child(i))};
        return shape;
    }
    QJsonArray printedRows(const char* page, const QStringList& options = {}) const
    {
        return printedCells(PrintedPage(*m_doc, page, options));
    }
    static QPushButton* button(QWidget* dialog, bool ok)
    {
        return ChildOf<QPushButton>(dialog, ok ? QStringLiteral("ok") : QStringLiteral("cancel"));
    }

private slots:
    void initTestCase()
    {
        QuietUnsupportedPlatformWarnings();
        m_database.Load("en");
        QVERIFY(m_database.IsLoaded());
    }
    void init() { m_settings.Set(setting::TOOLTIP_DELAY, 0); }
    void cleanup() { m_page.reset(); }

    void statSteppingChangesTheRaisesAndEveryShownValue_data()
    {
        QTest::addColumn<StepCase>("c");
        QTest::newRow("Up raises") << StepCase{{}, 0, "up", 1};
        QTest::newRow("typed number: that many raises") << StepCase{{}, 2, "12", 12};
        QTest::newRow("Down refunds") << StepCase{{0, 0, 0, 0, 11}, 4, "down", 10};
        QTest::newRow("lowered to none: plain again") << StepCase{{0, 1}, 1, "down", 0};
        QTest::newRow("no point left: refused") << StepCase{{18, 1}, 2, "up", 0};
        QTest::newRow("overspent file still lowers") << StepCase{{18, 18}, 0, "down", 17};
    }
    void statSteppingChangesTheRaisesAndEveryShownValue()
    {
        QFETCH(StepCase, c);
        const auto& [start, stat, input, after] = c;
        StatValues raises{};
        std::copy(start.begin(), start.end(), raises.begin());
        makePage<CPage1>("Banner Knight", 50.0f, false, raises);
        if (input == "up" || input == "down") {
            stepper(stat)->setFocus();
            QTest::keyClick(stepper(stat), input == "up" ? Qt::Key_Up : Qt::Key_Down);
        } else {
            TypeInto(stepper(stat), input);
        }
        QCOMPARE(m_doc->GetStatRaises()[stat], after);
        QCOMPARE(m_doc->IsModified(), after != raises[stat]);
        verifyStatsShown();
    }

    void levelClassAndRealmAbilitiesReachTheStatsPage()
    {
        makePage<CPage1>("Banner Knight", 50.0f, false, {5, 0, 0, 0, 3});
        m_doc->SetLevel(20.0f);
        stats()->OnLevelChanged();
        verifyStatsShown();
        m_doc->SetClass("Flamewright");  // reaches the page as a race change
        stats()->OnRaceChanged();
        verifyStatsShown();
        m_doc->SetRealmAbilityNf("Keen Mind", 3);
        m_doc->SetRealmAbilityNf("Toughness", 1);
        stats()->OnLevelChanged();
        verifyStatsShown();

        auto* abilities = ChildOf<CListCtrlMoreNotifies>(m_page.get(), QStringLiteral("abilityList"));
        const std::vector<AbilityRow> rows = AbilityRows(m_database.ClassAbilities());
        QCOMPARE(abilities->topLevelItemCount(), int(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i)
            QCOMPARE(abilities->topLevelItem(int(i))->text(2), Windows1252ToQString(rows[i].name));
        const auto described = std::find_if(rows.begin(), rows.end(), [this](const AbilityRow& row) {
            return !m_database.Description(row.name).empty();
        });
        QVERIFY(described != rows.end());
        QTreeWidgetItem* item = abilities->topLevelItem(int(described - rows.begin()));
        abilities->scrollToItem(item);
        QCOMPARE(hover(abilities->viewport(), abilities->visualItemRect(item).center()),
                 m_database.Description(described->name));
    }

    void statTipsComeFromTheDataAndTheSettings()
    {
        for (const bool uiTips : {true, false}) {
            m_settings.Set(setting::UI_TOOLTIPS, uiTips ? 1 : 0);
            makePage<CPage1>("Banner Knight");
            QCOMPARE(hover(ChildOf(m_page.get(), QStringLiteral("capHeader"))) != "<no tip>", uiTips);
            for (const char* name : {"statLabel5", "base5"})
                QCOMPARE(hover(ChildOf(m_page.get(), name)), m_database.Description(kStatDescriptionKeys[5]));
        }
    }

    void levelControlsChangeTheLineAndThePoints()
    {
        makePage<CPage2>("Banner Knight");
        level("Crushing")->editField()->setFocus();
        QTest::keyClick(level("Crushing")->editField(), Qt::Key_Up);  // in this column Up steps, not moves
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 2);
        QVERIFY(m_doc->IsModified());
        verifyPointsAndRow(rowOf("Crushing", ""));
        // The limit follows what is left: 3 more points pay for level 3, not 4.
        m_doc->SetExtraSpecPoints(3 - Points(*m_doc).rest);
        skills()->OnClassChanged();
        TypeInto(level("Crushing")->editField(), QStringLiteral("9"));
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 3);
        verifyPointsAndRow(rowOf("Crushing", ""));
    }

    // Every change of a group row's values repaints its Level cell by itself.
    void levelColumnShowsEveryChangeAtOnce()
    {
        enum Change { LevelStep, AutoTrainStep, Respec, HoverAway };
        const struct {
            Change change;
            const char* line;
            int start, levelAfter;
        } cases[] = {{LevelStep, "Crushing", 1, 10},
                     {AutoTrainStep, "Blades", 1, 5},
                     {Respec, "Crushing", 10, 1},
                     {HoverAway, "Crushing", 1, 1}};
        for (const auto& c : cases) {
            makePage<CPage2>("Banner Knight");
            m_doc->SetSpecLevel(c.line, c.start);
            skills()->OnClassChanged();
            const int styles = rowOf(c.line, "");
            const MarkupColor colour = c.change == HoverAway ? kHoveredEntry : kReachedEntry;
            if (c.change == HoverAway)
                hoverLevel(styles, 1);
            const bool before = c.levelAfter < c.start || c.change == HoverAway;
            QTRY_COMPARE(shown(styles, colour) > 0, before);
            if (c.change == LevelStep)
                level(c.line)->step(+9);
            if (c.change == AutoTrainStep)
                skills()->AutoTrainControl(rowOf(c.line))->stepBy(+4);
            if (c.change == Respec) {
                skills()->SetRespecChooser(
                    [&](const auto&, int) { return std::optional<std::string>(c.line); });
                skills()->Respec();
            }
            if (c.change == HoverAway)
                hoverLevel(styles, list()->columnWidth(kLevelColumn) - 2 * CSkillListDelegate::kTextPadding);
            QCOMPARE(m_doc->GetSpecLevel(c.line), c.levelAfter);
            QCOMPARE(level(c.line)->value(), c.levelAfter);
            QCOMPARE(shown(styles, colour) > 0, !before);
        }
    }

    void respecDialogWritesOnOkOnly()
    {
        makePage<CPage2>("Banner Knight");
        m_doc->SetSpecLevel("Crushing", 15);
        m_doc->SetSpecLevel("Polearms", 7);
        m_doc->SetModified(false);
        skills()->OnClassChanged();
        const auto answer = [this](bool full, bool ok) {
            WhenModalOpens<CDlgRespec>([=](CDlgRespec* dialog) {
                dialog->lineList()->setCurrentItem(
                    dialog->lineList()->findItems("Crushing", Qt::MatchExactly)[0]);
                (full ? dialog->fullChoice() : dialog->lineChoice())->click();
                button(dialog, ok)->click();
            });
            ChildOf<QPushButton>(m_page.get(), QStringLiteral("respec"))->click();
        };
        answer(false, false);
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 15);
        QVERIFY(!m_doc->IsModified());
        answer(false, true);
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 1);
        QCOMPARE(m_doc->GetSpecLevel("Polearms"), 7);
        answer(true, true);  // the line chosen before switching to all does not count
        QCOMPARE(m_doc->GetSpecLevel("Polearms"), 1);
        QCOMPARE(level("Polearms")->value(), 1);
        verifyPointsAndRow(rowOf("Polearms", ""));
    }

    void autoTrainFieldAndDialogWriteTheMask()
    {
        makePage<CPage2>("Banner Knight");
        CEditAutoTrain* field = skills()->AutoTrainControl(rowOf("Blades"));
        const auto mask = [this] { return std::uint32_t(m_doc->GetAutoTrain("Blades")); };
        field->editField()->setFocus();
        QTest::keyClick(field->editField(), Qt::Key_Up);
        QCOMPARE(mask(), Bits(0, 1));
        TypeInto(field->editField(), QStringLiteral("bis 4, 6-8"), false);
        QCOMPARE(mask(), Bits(0, 1));  // nothing is read while typing
        QTest::keyClick(field->editField(), Qt::Key_Return);
        QCOMPARE(mask(), Bits(0, 3) | Bits(5, 7));
        QCOMPARE(field->editField()->text(), QString::fromStdString(AutoTrainSummary(mask())));
        for (const bool ok : {false, true}) {
            WhenModalOpens<CDlgAutoTrain>([ok](CDlgAutoTrain* dialog) {
                QTest::mouseClick(dialog->stepBox(10), Qt::LeftButton);
                button(dialog, ok)->click();
            });
            QTest::mouseClick(field->dialogButton(), Qt::LeftButton);
            QCOMPARE(mask(), Bits(0, 3) | Bits(5, 7) | (ok ? 1u << 9 : 0u));
        }
    }

    void dialogsGuardTheirChoices()
    {
        CDlgAutoTrain autoTrain(m_context, Bits(0, 10), 30);  // level 30: up to skill 7
        QCOMPARE(autoTrain.mask(), Bits(0, 6));
        QVERIFY(autoTrain.stepBox(7)->isEnabled() && !autoTrain.stepBox(8)->isEnabled());
        autoTrain.show();
        QTest::mouseClick(autoTrain.stepBox(5), Qt::LeftButton, Qt::ShiftModifier);  // off, and all below
        QCOMPARE(autoTrain.mask(), 1u | Bits(5, 6));
        QCOMPARE(autoTrain.shortTextField()->text(),
                 QString::fromStdString(AutoTrainSummary(autoTrain.mask())));
        autoTrain.shortTextField()->setText(QStringLiteral("1"));  // skill 1 alone is no step
        button(&autoTrain, true)->click();
        QCOMPARE(autoTrain.mask(), 0u);

        CDlgRespec atTwenty(m_context, {"Blades"}, 20), respec(m_context, {"Blades", "Crushing"}, 35);
        QCOMPARE(atTwenty.warningLabel()->isVisibleTo(&atTwenty), RespecNeedsStone(20.0f));
        QCOMPARE(respec.warningLabel()->isVisibleTo(&respec), RespecNeedsStone(35.0f));
        respec.show();
        QTest::mouseClick(respec.fullChoice(), Qt::LeftButton);
        QVERIFY(!respec.lineList()->isEnabled());
        QTest::mouseClick(respec.lineChoice(), Qt::LeftButton);
        // Without a chosen line OK would mean every line: it cannot be confirmed.
        respec.lineList()->clearSelection();
        QVERIFY(!button(&respec, true)->isEnabled());
        respec.accept();
        QVERIFY(respec.isVisible());
    }

    void careerModeColoursThePlannedLines()
    {
        makePage<CPage2>("Banner Knight", 30.0f, true);
        CNumEdit* crushing = level("Crushing");
        const QColor normal = crushing->backgroundColor();
        TypeInto(crushing->editField(), QStringLiteral("10"));
        QCOMPARE(crushing->backgroundColor(), Colour(kPlanEntryBackground));
        m_doc->SetLevel(35.0f);
        skills()->OnLevelChanged();
        QCOMPARE(crushing->value(), 10);  // carried on from level 30
        QCOMPARE(crushing->backgroundColor(), normal);
    }

    void specialPointsAreStored()
    {
        makePage<CPage2>("Banner Knight");
        auto* special = ChildOf<QLineEdit>(m_page.get(), QStringLiteral("specialPoints"));
        TypeInto(special, QStringLiteral("25"), false);
        QCOMPARE(m_doc->GetExtraSpecPoints(), 25);
        QCOMPARE(text("skillPoints"), QString::fromStdString(PointsText(Points(*m_doc).earned)));
        TypeInto(special, QStringLiteral("-"));  // half typed: kept, then shown as stored
        QCOMPARE(m_doc->GetExtraSpecPoints(), 25);
        QCOMPARE(special->text(), QStringLiteral("25"));
    }

    void hoverAndRealmRankReachTheSkillList()
    {
        makePage<CPage2>("Sun Priest", 35.0f);
        const int mending = rowOf("Prayers of Grace", "Grace Mending");
        hoverLevel(mending, list()->fontMetrics().horizontalAdvance(QStringLiteral("1 ")) + 2);
        QCOMPARE(rowData(mending).hovered, 2);
        QVERIFY(!skills()->DescriptionBox()->markup().empty());
        QCOMPARE(skills()->DetailList()->topLevelItemCount(),
                 int(EntryDetail(m_database, skills()->Rows()[mending], 1).values.size()));
        skills()->OnClassChanged();  // a full refresh forgets the hover
        QVERIFY(skills()->DescriptionBox()->markup().empty());
        QCOMPARE(rowData(mending).hovered, 0);

        makePage<CPage2>("Duskblade");
        const int poison = rowOf("Player poisons", "");
        const int before = rowData(poison).reach;
        m_doc->SetRealmRank(45);
        skills()->OnRealmRankChanged();
        QVERIFY(rowData(poison).reach > before);
        QCOMPARE(rowData(poison).reach, GroupRowData(skills()->Rows()[poison], *m_doc).reach);
    }

    void rowControlsFollowScrollAndColumnWidths()
    {
        makePage<CPage2>("Banner Knight")->resize(900, 420);  // short enough to scroll
        QApplication::processEvents();
        list()->verticalScrollBar()->setValue(list()->verticalScrollBar()->maximum());
        QVERIFY(list()->verticalScrollBar()->value() > 0);
        list()->setColumnWidth(kNameColumn, list()->columnWidth(kNameColumn) + 30);
        QCOMPARE(level("Shield Fighting")->geometry(), cell(rowOf("Shield Fighting"), kSkillColumn));
        QCOMPARE(skills()->AutoTrainControl(rowOf("Blades"))->geometry(),
                 cell(rowOf("Blades"), kAutoTrainColumn).adjusted(2, 0, -2, 0));
    }

    // A tick stores its option and the list shows what quillmar-cli prints for
    // the options stored; a level change refreshes the list.
    void spellBoxesStoreTheirOptionsAndLevelChangesRefresh()
    {
        auto* page = makePage<CPage3>("Banner Knight", 40.0f);
        auto* list = ChildOf<QTreeWidget>(page, "spellList");
        QCOMPARE(shownRows(list), printedRows("spells"));
        auto* typeAsName = ChildOf<QCheckBox>(page, "typeAsName");
        QVERIFY(!typeAsName->isVisible());

        m_doc->SetLevel(10.0f);
        page->OnLevelChanged();
        QCOMPARE(shownRows(list), printedRows("spells"));
        QTest::mouseClick(ChildOf<QCheckBox>(page, "showAllSpells"), Qt::LeftButton);
        QCOMPARE(m_doc->GetOption(spells_rules::kShowAllSpells), 1);
        const QJsonArray every = shownRows(list);
        QCOMPARE(every, printedRows("spells"));

        auto* onlyTop = ChildOf<QCheckBox>(page, "onlyTopSpells");
        QTest::mouseClick(onlyTop, Qt::LeftButton);
        QVERIFY(typeAsName->isVisible());
        QTest::mouseClick(typeAsName, Qt::LeftButton);
        QCOMPARE(m_doc->GetOption(spells_rules::kUseSpellTypeAsName), 1);
        QCOMPARE(shownRows(list), printedRows("spells"));
        QTest::mouseClick(onlyTop, Qt::LeftButton);
        QVERIFY(!typeAsName->isVisible() && !typeAsName->isChecked());
        QCOMPARE(m_doc->GetOption(spells_rules::kUseSpellTypeAsName), 1);
        QCOMPARE(m_doc->GetOption(spells_rules::kShowOnlyTopSpells), 0);
        QCOMPARE(shownRows(list), every);
        SaveScreenshot(page->grab().toImage(), "CPage3");
    }

    // A box refills the list and header clicks sort what is shown, as
    // quillmar-cli prints it; the character's selection is never moved.
    void resistsBoxesAndHeaderClicksFollowTheRules()
    {
        auto* page = makePage<CPage7>("Flamewright");
        const DatabaseSelection selection = m_database.Selection();
        auto* list = ChildOf<QTreeWidget>(page, "resistList");
        QCOMPARE(shownRows(list), printedRows("resists"));
        for (const int column : {1, 1, 3})
            emit list->header()->sectionClicked(column);
        QCOMPARE(page->SortState(), 4);
        const QStringList clicks{"--sort", "1", "--sort", "1", "--sort", "3"};
        QCOMPARE(shownRows(list), printedRows("resists", clicks));
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            QCOMPARE(list->topLevelItem(i)->data(0, Qt::UserRole).toInt(), i);
        QTest::mouseClick(ChildOf<QCheckBox>(page, "realm0"), Qt::LeftButton);
        // A refill sorts the new rows once, by the last click.
        QCOMPARE(shownRows(list), printedRows("resists", {"--sort", "3", "--realms", "1,2"}));
        QVERIFY(m_database.Selection() == selection);
        SaveScreenshot(page->grab().toImage(), "CPage7");
    }

    // The list, the tree and the filters show what quillmar-cli prints; the
    // filters rebuild the tree, a choice in one view selects the same style in
    // the other, and the text of the style under the pointer or the current
    // row is its tooltip.
    void stylesFiltersSelectionAndTooltips()
    {
        m_settings.Set(setting::UI_TOOLTIPS, 1);
        auto* page = makePage<CPage4>("Banner Knight", 30.0f, true);
        auto* list = ChildOf<CListCtrlMoreNotifies>(page, "styleList");
        auto* tree = ChildOf<QTreeWidget>(page, "styleTree");
        QCOMPARE(shownRows(list), printedRows("styles"));
        QTest::mouseClick(ChildOf<QCheckBox>(page, "showAllStyles"), Qt::LeftButton);
        QCOMPARE(m_doc->GetOption(styles_rules::kShowAllStyles), 1);
        const QJsonObject all = PrintedPage(*m_doc, "styles");
        QCOMPARE(shownRows(list), printedCells(all));
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            QCOMPARE(list->topLevelItem(i)->data(0, Qt::UserRole).toInt(), all["rows"][i]["data"].toInt());
        QCOMPARE(treeData(tree->invisibleRootItem()), treeData(all["tree"].toArray()));

        // The filters, from the keyboard.
        auto* lines = ChildOf<QComboBox>(page, "lineFilter");
        auto* openings = ChildOf<QComboBox>(page, "openingFilter");
        QStringList lineTexts;
        for (int i = 0; i < lines->count(); ++i)
            lineTexts << lines->itemText(i);
        QCOMPARE(QJsonArray::fromStringList(lineTexts), all["lineFilter"].toArray());
        QTest::keyClick(lines, Qt::Key_Down);
        QTest::keyClick(openings, Qt::Key_Down);
        QCOMPARE(openings->currentData().toInt(), 0);
        const QJsonObject filtered = PrintedPage(*m_doc, "styles", {"--line", lines->currentText(), "--opening", "0"});
        QCOMPARE(treeData(tree->invisibleRootItem()), treeData(filtered["tree"].toArray()));
        QTest::keyClick(lines, Qt::Key_Home);
        QTest::keyClick(openings, Qt::Key_Home);
        QCOMPARE(treeData(tree->invisibleRootItem()), treeData(all["tree"].toArray()));

        // Tree to list and back; the detail box follows the list's current row.
        QTreeWidgetItem* child = nullptr;
        for (QTreeWidgetItemIterator it(tree); *it && !child; ++it)
            if ((*it)->parent())
                child = *it;
        QVERIFY(child);
        tree->setCurrentItem(child);
        QCOMPARE(list->selectedItems().size(), 1);
        QTreeWidgetItem* current = list->currentItem();
        QCOMPARE(current->data(0, Qt::UserRole), child->data(0, Qt::UserRole));
        const auto tipOf = [&all](int row) { return all["rows"][row]["tooltip"].toString().toStdString(); };
        QCOMPARE(ChildOf<CRichMarkupView>(page, "styleDetail")->markup(), tipOf(list->indexOfTopLevelItem(current)));
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        QVERIFY(ChildOf<CRichMarkupView>(page, "styleDetail")->markup().empty());
        QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(tree->currentItem()->data(0, Qt::UserRole), list->currentItem()->data(0, Qt::UserRole));
        SaveScreenshot(page->grab().toImage(), "CPage4");

        // The tooltip over a style row and over a line header.
        CRichTooltip* tooltip = page->findChild<CRichTooltip*>();
        const auto tipOver = [&](int row) {
            move(list->viewport(), list->visualItemRect(list->topLevelItem(row)).center());
            return tooltip->toolText(tooltip->toolCount() - 1);
        };
        QCOMPARE(tipOver(1), tipOf(1));
        QCOMPARE(tipOver(0), std::string());
        QCOMPARE(tooltip->toolText(0), std::string(styles_rules::kShowAllTooltip));

        // A level change refreshes only in career mode while not all styles show.
        QTest::mouseClick(ChildOf<QCheckBox>(page, "showAllStyles"), Qt::LeftButton);
        const auto refreshedBy = [&](int career) {
            m_doc->SetCareerMode(career);
            list->topLevelItem(0)->setData(0, Qt::UserRole + 1, true);
            page->OnLevelChanged();
            return !list->topLevelItem(0)->data(0, Qt::UserRole + 1).isValid();
        };
        QVERIFY(refreshedBy(1));
        QVERIFY(!refreshedBy(0));
        m_settings.Set(setting::UI_TOOLTIPS, 0);
    }

    // With the German data and interface the pages show German titles and rows.
    void referencePagesInGerman()
    {
        CGameDatabase german{QUILLMAR_SHIPPED_DATA};
        german.Load("de");
        QVERIFY(german.IsLoaded());
        CShellContext context{german, m_settings, m_prompt, UiLanguage::German};
        CQuillmarDoc doc(german, m_settings);
        doc.New();
        doc.SetClass(german.Classes().Name(13));
        doc.ActivateSelection();
        doc.SetLevel(50.0f);
        doc.SetOption(spells_rules::kShowAllSpells, 1);
        doc.SetOption(styles_rules::kShowAllStyles, 1);
        const auto shown = [&](auto page, const char* list, const char* title, const char* screenshot) {
            page->resize(900, 640);
            QCOMPARE(page->windowTitle(), QString::fromUtf8(title));
            QVERIFY(ChildOf<QTreeWidget>(page.get(), list)->topLevelItemCount() > 10);
            SaveScreenshot(page->grab().toImage(), screenshot);
        };
        shown(std::make_unique<CPage3>(context, doc), "spellList", "Zaubersprüche / Fähigkeiten Übersicht", "CPage3_de");
        shown(std::make_unique<CPage4>(context, doc), "styleList", "Styles Übersicht", "CPage4_de");
        shown(std::make_unique<CPage7>(context, doc), "resistList", "Resis", "CPage7_de");
    }

    // Half-typed text in a control that goes with a rebuild or with the page reaches nobody.
    void rowControlsGoWithoutCallingBack()
    {
        makePage<CPage2>("Banner Knight");
        TypeInto(level("Crushing")->editField(), QStringLiteral("7"), false);
        skills()->OnClassChanged();
        QVERIFY(!m_doc->IsModified());
        TypeInto(level("Crushing")->editField(), QStringLiteral("5"), false);
        m_page.reset();
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 1);
        QVERIFY(!m_doc->IsModified());
    }
};

QTEST_MAIN(PagesTest)
#include "PagesTest.moc"
