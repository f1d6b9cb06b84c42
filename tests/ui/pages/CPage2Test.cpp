#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidgetItem>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/CButtonAutoRepeat.h"
#include "controls/CEditColor.h"
#include "controls/CEditKeyResponse.h"
#include "controls/CListCtrlMoreNotifies.h"
#include "controls/CNumEdit.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "markup/CEditCtrlFormat.h"
#include "markup/QtCodePage.h"
#include "markup/QtMarkupSurface.h"
#include "pages/skills/CEditAutoTrain.h"
#include "pages/skills/CPage2.h"
#include "pages/skills/CSkillListDelegate.h"
#include "pages/skills/SkillsRules.h"
#include "support/RecordingPrompt.h"
#include "ui/controls/ControlTestSupport.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"

using namespace skills_rules;
using namespace control_test;

namespace {

// Colours as the pages draw them.
QColor Colour(MarkupColor c)
{
    return QtMarkupSurface::ToQColor(c);
}

}  // namespace

class CPage2Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CGameDatabase> m_english;
    std::unique_ptr<CGameDatabase> m_german;
    std::unique_ptr<CAppSettings> m_settings;
    RecordingPrompt m_prompt;
    std::unique_ptr<CShellContext> m_context;
    std::unique_ptr<CQuillmarDoc> m_doc;
    std::unique_ptr<CPage2> m_page;

    void makePage(CGameDatabase& database, UiLanguage language, const char* className, float level = 50.0f,
                  bool career = false)
    {
        m_page.reset();
        m_doc = std::make_unique<CQuillmarDoc>(database, *m_settings);
        m_context = std::make_unique<CShellContext>(CShellContext{database, *m_settings, m_prompt, language});
        m_doc->SetClass(className);
        m_doc->ActivateSelection();
        m_doc->SetLevel(level);
        if (career)
            m_doc->SetCareerMode(1);
        m_doc->SetModified(false);
        m_page = std::make_unique<CPage2>(*m_context, *m_doc);
        m_page->resize(m_page->TemplateSize().expandedTo(QSize(900, 640)));
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    }
    // The row of a line (kind 0 or 4) or, with `group`, of a named group row.
    int rowOf(const std::string& line, const char* group = nullptr) const
    {
        const auto& rows = m_page->Rows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const bool isLine = !rows[i].IsGroup();
            if (rows[i].lineName == line && (group ? rows[i].text == group : isLine))
                return static_cast<int>(i);
        }
        qFatal("no row %s", line.c_str());
    }
    QString field(const char* name) const
    {
        auto* widget = m_page->findChild<QLineEdit*>(QLatin1String(name));
        if (!widget)
            qFatal("no field %s", name);
        return widget->text();
    }
    CEditColor* restField() const { return m_page->findChild<CEditColor*>(QStringLiteral("restPoints")); }
    QLineEdit* specialField() const { return m_page->findChild<QLineEdit*>(QStringLiteral("specialPoints")); }
    std::int32_t rest() const { return Points(*m_doc).rest; }
    // Sets the special points so that exactly `left` points remain.
    void leaveRest(int left)
    {
        m_doc->SetExtraSpecPoints(m_doc->GetExtraSpecPoints() + left - rest());
        m_page->OnClassChanged();
    }
    void focus(CNumEdit* control)
    {
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
        control->editField()->setFocus(Qt::TabFocusReason);
        QVERIFY(control->editField()->hasFocus());
    }
    void typeInto(CNumEdit* control, const QString& text)
    {
        focus(control);
        control->editField()->selectAll();
        QTest::keyClicks(control->editField(), text);
        QTest::keyClick(control->editField(), Qt::Key_Return);
    }
    void typeShortText(CEditAutoTrain* field, const QString& text)
    {
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
        field->editField()->setFocus(Qt::TabFocusReason);
        field->editField()->selectAll();
        QTest::keyClicks(field->editField(), text);
        QTest::keyClick(field->editField(), Qt::Key_Return);
    }
    // Moves the mouse over the Level column of a row, `pixels` into its text.
    void hoverLevel(int row, int pixels)
    {
        CListCtrlMoreNotifies* list = m_page->SkillList();
        QTreeWidgetItem* item = list->topLevelItem(row);
        list->scrollToItem(item);
        const QRect rect = list->visualItemRect(item);
        const int x =
            list->header()->sectionViewportPosition(kLevelColumn) + CSkillListDelegate::kTextPadding + pixels;
        move(list->viewport(), QPoint(x, rect.center().y()));
    }
    int hoveredByte(int row) const
    {
        return UnpackRowData(
                   m_page->SkillList()->topLevelItem(row)->data(0, CSkillListDelegate::kDataRole).toInt())
            .hovered;
    }
    QStringList detailRow(int i) const
    {
        QTreeWidgetItem* item = m_page->DetailList()->topLevelItem(i);
        return item ? QStringList{item->text(0), item->text(1)} : QStringList{};
    }
    QRect cellRect(int row, int column) const
    {
        CListCtrlMoreNotifies* list = m_page->SkillList();
        const QRect rect = list->visualItemRect(list->topLevelItem(row));
        return QRect(list->header()->sectionViewportPosition(column), rect.top(),
                     list->header()->sectionSize(column), rect.height());
    }

private slots:
    void initTestCase()
    {
        QuietUnsupportedPlatformWarnings();
        m_english = std::make_unique<CGameDatabase>(QUILLMAR_SHIPPED_DATA);
        m_english->Load("en");
        m_german = std::make_unique<CGameDatabase>(QUILLMAR_SHIPPED_DATA);
        m_german->Load("de");
        QVERIFY(m_english->IsLoaded());
        QVERIFY(m_german->IsLoaded());
    }
    void init() { m_settings = std::make_unique<CAppSettings>(); }
    void cleanup()
    {
        m_page.reset();
        m_doc.reset();
    }

    void columnsControlsAndIdentifiers()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight");
        CListCtrlMoreNotifies* list = m_page->SkillList();
        QCOMPARE(list->headerItem()->text(0), QStringLiteral("Name"));
        QCOMPARE(list->headerItem()->text(3), QStringLiteral("Auto Train"));
        QCOMPARE(list->columnWidth(kSkillColumn), 100);
        QCOMPARE(list->columnWidth(kAutoTrainColumn), 100);
        QCOMPARE(m_page->DetailList()->headerItem()->text(1), QStringLiteral("val"));
        QCOMPARE(m_page->windowTitle(), QStringLiteral("Skill plan"));

        const int blades = rowOf("Blades");
        QCOMPARE(list->topLevelItem(blades)->text(0), QStringLiteral("Blades*"));
        QVERIFY(m_page->LevelControl(blades));
        QCOMPARE(m_page->LevelControl(blades)->controlId(), 5000 + blades);
        QVERIFY(m_page->AutoTrainControl(blades));
        const int crushing = rowOf("Crushing");
        QCOMPARE(m_page->LevelControl(crushing)->controlId(), 5000 + crushing);
        QVERIFY(!m_page->AutoTrainControl(crushing));
        // Lines with base groups only are shown without a control.
        const int cries = rowOf("Battle Cries");
        QCOMPARE(m_page->Rows()[static_cast<std::size_t>(cries)].kind, RowKind::FixedLine);
        QVERIFY(!m_page->LevelControl(cries));
        QVERIFY(!m_page->LevelControl(cries + 1));

        // The controls lie over their cells, the auto-train field inset by 2 pixels.
        QCOMPARE(m_page->LevelControl(crushing)->geometry(), cellRect(crushing, kSkillColumn));
        QCOMPARE(m_page->AutoTrainControl(blades)->geometry(),
                 cellRect(blades, kAutoTrainColumn).adjusted(2, 0, -2, 0));
        QCOMPARE(m_page->LevelControl(crushing)->parentWidget(), list->viewport());

        makePage(*m_german, UiLanguage::German, "Bannerritter");
        QCOMPARE(m_page->windowTitle(), QStringLiteral("Skillung Planer"));
    }

    void keysAndButtonsChangeTheLineAndThePoints()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight");
        const std::int32_t earned = m_doc->SkillPointsAtLevel();
        QCOMPARE(field("skillPoints"), QString::number(earned));
        QCOMPARE(field("usedPoints"), QStringLiteral("0"));
        const int crushing = rowOf("Crushing");
        CNumEdit* control = m_page->LevelControl(crushing);
        QCOMPARE(control->value(), 1);

        focus(control);
        QTest::keyClick(control->editField(), Qt::Key_Up);
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 2);
        QVERIFY(m_doc->IsModified());
        QCOMPARE(field("usedPoints"), QStringLiteral("2"));
        QCOMPARE(field("restPoints"), QString::number(earned - 2));
        QTest::keyClick(control->editField(), '+');
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 3);
        QTest::keyClick(control->editField(), Qt::Key_Down);
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 2);
        QTest::mouseClick(control->plusButton(), Qt::LeftButton);
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 3);
        QCOMPARE(field("usedPoints"), QStringLiteral("5"));

        typeInto(control, QStringLiteral("10"));
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 10);
        QCOMPARE(field("usedPoints"), QStringLiteral("54"));
        QCOMPARE(control->value(), 10);

        // The styles row follows the line level.
        const int styles = crushing + 1;
        QCOMPARE(
            UnpackRowData(
                m_page->SkillList()->topLevelItem(styles)->data(0, CSkillListDelegate::kDataRole).toInt())
                .counts,
            10);

        // Tab goes from line to line (through the auto-train field of an auto-train line).
        const int blades = rowOf("Blades");
        focus(m_page->LevelControl(blades));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(m_page->AutoTrainControl(blades)->isAncestorOf(QApplication::focusWidget()) ||
                QApplication::focusWidget() == m_page->AutoTrainControl(blades));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control->editField());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), m_page->LevelControl(rowOf("Two-Handed"))->editField());
    }

    void limitsAtTheRestAndAtTheCharacterLevel()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight");
        m_doc->SetSpecLevel("Crushing", 4);
        leaveRest(10);
        CNumEdit* control = m_page->LevelControl(rowOf("Crushing"));
        QCOMPARE(field("restPoints"), QStringLiteral("10"));
        QCOMPARE(control->maximum(), 5);
        control->step(+1);
        control->step(+1);
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 5);
        QCOMPARE(field("restPoints"), QStringLiteral("5"));
        // Another line may still take two levels (2 + 3 points) but not a third (4 more).
        QCOMPARE(m_page->LevelControl(rowOf("Polearms"))->maximum(), 3);

        m_doc->SetLevel(20.0f);
        m_doc->SetExtraSpecPoints(1000);
        m_page->OnLevelChanged();
        CNumEdit* polearms = m_page->LevelControl(rowOf("Polearms"));
        QCOMPARE(polearms->maximum(), 20);
        typeInto(polearms, QStringLiteral("25"));
        QCOMPARE(m_doc->GetSpecLevel("Polearms"), 20);
        QCOMPARE(polearms->value(), 20);
        polearms->step(+1);
        QCOMPARE(m_doc->GetSpecLevel("Polearms"), 20);
        QCOMPARE(polearms->minimum(), 1);
    }

    void negativeRestIsRed()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight");
        QVERIFY(restField()->textColor() != Colour(kNegativeRestText));
        m_doc->SetSpecLevel("Crushing", 10);
        leaveRest(-3);
        QCOMPARE(field("restPoints"), QStringLiteral("-3"));
        QCOMPARE(restField()->textColor(), Colour(kNegativeRestText));
        // Nothing is refused downwards; a control cannot go up.
        CNumEdit* control = m_page->LevelControl(rowOf("Crushing"));
        QCOMPARE(control->maximum(), 10);
        control->step(-1);
        QCOMPARE(field("restPoints"), QStringLiteral("7"));
        QVERIFY(restField()->textColor() != Colour(kNegativeRestText));
    }

    void autoTrainFieldStoresTheMaskAndRaisesTheLevel()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight", 30.0f);
        const int blades = rowOf("Blades");
        CEditAutoTrain* autoTrain = m_page->AutoTrainControl(blades);
        CNumEdit* level = m_page->LevelControl(blades);
        QCOMPARE(level->value(), 1);
        QSignalSpy changed(autoTrain, &CEditAutoTrain::maskChanged);
        typeShortText(autoTrain, QStringLiteral("bis 5"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.at(0).at(0).toInt(), CPage2::kAutoTrainControlId + blades);
        QCOMPARE(m_doc->GetAutoTrain("Blades"), 0x1F);
        QVERIFY(m_doc->IsModified());
        // Steps up to line level 5 are taken by level 30: the line is raised to 5,
        // and those steps are free (2 + 3 + 4 + 5).
        QCOMPARE(m_doc->GetSpecLevel("Blades"), 5);
        QCOMPARE(level->value(), 5);
        QCOMPARE(level->minimum(), 5);
        QCOMPARE(field("usedPoints"), QStringLiteral("0"));

        // A mask whose minimum the line already has leaves the level alone.
        m_doc->SetSpecLevel("Blades", 9);
        m_page->OnClassChanged();
        autoTrain = m_page->AutoTrainControl(blades);
        typeShortText(autoTrain, QStringLiteral("bis 3"));
        QCOMPARE(m_doc->GetAutoTrain("Blades"), 0x7);
        QCOMPARE(m_doc->GetSpecLevel("Blades"), 9);
        QCOMPARE(m_page->LevelControl(blades)->minimum(), 3);
        QCOMPARE(field("usedPoints"), QString::number(CQuillmarDoc::SkillPointCost(9) - 5));
    }

    void respecInSingleMode()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight");
        m_doc->SetSpecLevel("Blades", 20);
        m_doc->SetSpecLevel("Crushing", 15);
        m_doc->SetSpecLevel("Polearms", 7);
        m_page->OnClassChanged();
        std::vector<std::string> offered;
        int offeredLevel = 0;
        std::optional<std::string> answer;
        m_page->SetRespecChooser([&](const std::vector<std::string>& lines, int level) {
            offered = lines;
            offeredLevel = level;
            return answer;
        });

        // Cancel changes nothing.
        QTest::mouseClick(m_page->findChild<QPushButton*>(QStringLiteral("respec")), Qt::LeftButton);
        QCOMPARE(offered, m_doc->SkillLines());
        QCOMPARE(offeredLevel, 50);
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 15);

        answer = std::string("Crushing");
        m_page->Respec();
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 1);
        QCOMPARE(m_doc->GetSpecLevel("Polearms"), 7);
        QCOMPARE(m_page->LevelControl(rowOf("Crushing"))->value(), 1);
        QCOMPARE(field("usedPoints"),
                 QString::number(CQuillmarDoc::SkillPointCost(20) + CQuillmarDoc::SkillPointCost(7)));

        // A full respec: the auto-train line keeps a quarter of the level.
        answer = std::string();
        m_page->Respec();
        QCOMPARE(m_doc->GetSpecLevel("Blades"), 12);
        QCOMPARE(m_doc->GetSpecLevel("Polearms"), 1);
        QCOMPARE(m_page->LevelControl(rowOf("Blades"))->value(), 12);
        QCOMPARE(m_page->LevelControl(rowOf("Polearms"))->value(), 1);
        QCOMPARE(field("usedPoints"), QString::number(CQuillmarDoc::SkillPointCost(12)));
    }

    void respecInCareerMode()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight", 30.0f, true);
        CNumEdit* crushing = m_page->LevelControl(rowOf("Crushing"));
        CNumEdit* polearms = m_page->LevelControl(rowOf("Polearms"));
        crushing->step(+1);
        typeInto(crushing, QStringLiteral("12"));
        typeInto(polearms, QStringLiteral("6"));
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 12);

        m_doc->SetLevel(31.0f);
        m_page->OnLevelChanged();
        QCOMPARE(crushing->value(), 12);  // carried on from level 30
        m_page->SetRespecChooser([](const std::vector<std::string>&, int level) {
            return level == 31 ? std::optional<std::string>("Crushing") : std::nullopt;
        });
        m_page->Respec();
        QVERIFY(m_doc->IsRespecAt(31));
        // The level before keeps what it had; from here on the line starts again.
        QCOMPARE(m_doc->SpecPlan(30).Get("Crushing"), 12);
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 1);
        QCOMPARE(m_doc->GetSpecLevel("Polearms"), 6);
        QCOMPARE(crushing->value(), 1);
        QCOMPARE(polearms->value(), 6);
        QCOMPARE(crushing->backgroundColor(), Colour(kPlanEntryBackground));
        // Polearms at 6 costs 2+...+6; Crushing is back at 1 and costs nothing.
        QCOMPARE(Points(*m_doc).used, 20);
        QCOMPARE(field("usedPoints"), QStringLiteral("20"));
    }

    void careerColouringFollowsTheLevel()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight", 30.0f, true);
        CNumEdit* crushing = m_page->LevelControl(rowOf("Crushing"));
        CNumEdit* polearms = m_page->LevelControl(rowOf("Polearms"));
        const QColor normal = polearms->backgroundColor();
        QVERIFY(normal != Colour(kPlanEntryBackground));
        typeInto(crushing, QStringLiteral("10"));
        QCOMPARE(crushing->backgroundColor(), Colour(kPlanEntryBackground));
        QCOMPARE(polearms->backgroundColor(), normal);

        m_doc->SetLevel(35.0f);
        m_page->OnLevelChanged();
        QCOMPARE(crushing->value(), 10);
        QCOMPARE(crushing->backgroundColor(), normal);
        // No plan entries at 35, but Crushing stands at 10 from level 30 on and
        // keeps costing its 2+...+10 points.
        QCOMPARE(field("usedPoints"), QStringLiteral("54"));
        QCOMPARE(field("skillPoints"), QString::number(m_doc->SkillPointsAtLevel(35.0f)));

        // Below the planned level the line is trained up towards it as the points allow.
        m_doc->SetLevel(10.0f);
        m_page->OnLevelChanged();
        QVERIFY(crushing->value() <= 10);
        QCOMPARE(crushing->value(), m_doc->GetSpecLevel("Crushing"));
        QCOMPARE(crushing->backgroundColor(), normal);
        const int styles = rowOf("Crushing") + 1;
        QCOMPARE(
            UnpackRowData(
                m_page->SkillList()->topLevelItem(styles)->data(0, CSkillListDelegate::kDataRole).toInt())
                .counts,
            crushing->value());

        m_doc->SetLevel(30.0f);
        m_page->OnLevelChanged();
        QCOMPARE(crushing->value(), 10);
        QCOMPARE(crushing->backgroundColor(), Colour(kPlanEntryBackground));

        // Leaving career mode: plain colours.
        m_doc->SetCareerMode(0);
        m_page->OnSkillPlanChanged();
        QCOMPARE(crushing->backgroundColor(), normal);
        QCOMPARE(crushing->value(), m_doc->GetSpecLevel("Crushing"));
    }

    void careerMinimumOfAnAutoTrainLine()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight", 30.0f, true);
        QCOMPARE(m_page->LevelControl(rowOf("Blades"))->minimum(), 7);
        QCOMPARE(m_page->LevelControl(rowOf("Crushing"))->minimum(), 1);
    }

    void specialPointsAreStored()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight");
        const std::int32_t earned = m_doc->SkillPointsAtLevel();
        QLineEdit* special = specialField();
        QCOMPARE(special->text(), QStringLiteral("0"));
        m_page->activateWindow();
        special->setFocus();
        special->selectAll();
        QTest::keyClicks(special, QStringLiteral("25"));
        QCOMPARE(m_doc->GetExtraSpecPoints(), 25);
        QVERIFY(m_doc->IsModified());
        QCOMPARE(field("skillPoints"), QString::number(earned + 25));
        QCOMPARE(field("restPoints"), QString::number(earned + 25));

        // Half-typed text stores nothing and shows the stored number when left.
        special->selectAll();
        QTest::keyClick(special, Qt::Key_Backspace);
        QTest::keyClick(special, '-');
        QCOMPARE(m_doc->GetExtraSpecPoints(), 25);
        QTest::keyClick(special, Qt::Key_Return);
        QCOMPARE(special->text(), QStringLiteral("25"));
        special->selectAll();
        QTest::keyClicks(special, QStringLiteral("-7"));
        QCOMPARE(m_doc->GetExtraSpecPoints(), -7);
        QCOMPARE(field("skillPoints"), QString::number(earned - 7));

        // A loaded value is shown on refresh.
        m_doc->StoreExtraSpecPoints(12);
        m_page->OnClassChanged();
        QCOMPARE(special->text(), QStringLiteral("12"));
    }

    void hoverShowsDescriptionAndDetail()
    {
        makePage(*m_english, UiLanguage::English, "Sun Priest", 35.0f);
        const int mending = rowOf("Prayers of Grace", "Grace Mending");
        QCOMPARE(m_page->Rows()[static_cast<std::size_t>(mending)].kind, RowKind::BaseGroup);
        const QFontMetrics metrics = m_page->SkillList()->fontMetrics();
        // Into the second entry, "11".
        hoverLevel(mending, metrics.horizontalAdvance(QStringLiteral("1 ")) + 2);
        QCOMPARE(hoveredByte(mending), 2);
        QVERIFY(m_page->SkillList()->topLevelItem(mending)->isSelected());
        QVERIFY(m_page->DescriptionBox()->markup().find("Grace Mending") != std::string::npos);
        QCOMPARE(detailRow(0), (QStringList{"name", "Grace Mending"}));
        QCOMPARE(detailRow(1), (QStringList{"level", "11"}));
        QCOMPARE(m_page->SkillList()->topLevelItem(mending)->text(kSkillColumn),
                 QStringLiteral("Heals 305 hit points"));

        // The styles row of the style line: no description, the style's detail.
        const int styles = rowOf("Crushing", "Styles");
        hoverLevel(styles, 1);
        QCOMPARE(hoveredByte(styles), 1);
        QCOMPARE(hoveredByte(mending), 0);  // one green entry at a time
        QVERIFY(!m_page->SkillList()->topLevelItem(mending)->isSelected());
        QVERIFY(m_page->DescriptionBox()->markup().empty());
        QCOMPARE(detailRow(0), (QStringList{"name", "Mace Breaker"}));
        QCOMPARE(detailRow(1), (QStringList{"Level", "2"}));

        // Beyond the last entry: no entry, no detail.
        hoverLevel(styles,
                   m_page->SkillList()->columnWidth(kLevelColumn) - 2 * CSkillListDelegate::kTextPadding);
        QCOMPARE(hoveredByte(styles), 0);
        QCOMPARE(m_page->DetailList()->topLevelItemCount(), 0);

        // A full refresh forgets the hover.
        hoverLevel(mending, 1);
        m_page->OnClassChanged();
        QVERIFY(m_page->DescriptionBox()->markup().empty());
        QCOMPARE(m_page->DetailList()->topLevelItemCount(), 0);
        QCOMPARE(hoveredByte(mending), 0);
    }

    void specialisationGroupsFollowTheLine()
    {
        makePage(*m_english, UiLanguage::English, "Sun Priest", 50.0f);
        const int line = rowOf("Prayers of Grace");
        const int spec = line + 3;
        QCOMPARE(m_page->Rows()[static_cast<std::size_t>(spec)].kind, RowKind::LevelGroup);
        QTreeWidgetItem* item = m_page->SkillList()->topLevelItem(spec);
        const QString atOne = item->text(kSkillColumn);
        typeInto(m_page->LevelControl(line), QStringLiteral("40"));
        QCOMPARE(UnpackRowData(item->data(0, CSkillListDelegate::kDataRole).toInt()).counts, 40);
        QVERIFY(!item->text(kSkillColumn).isEmpty());
        QVERIFY(item->text(kSkillColumn) != atOne);
    }

    void poisonReachFollowsTheRealmRank()
    {
        makePage(*m_english, UiLanguage::English, "Duskblade", 50.0f);
        const int poison = rowOf("Player poisons");
        QTreeWidgetItem* item = m_page->SkillList()->topLevelItem(poison + 1);
        QCOMPARE(UnpackRowData(item->data(0, CSkillListDelegate::kDataRole).toInt()).reach, 1 + 10 + 0 + 1);
        m_doc->SetRealmRank(45);
        m_page->OnRealmRankChanged();
        QCOMPARE(UnpackRowData(item->data(0, CSkillListDelegate::kDataRole).toInt()).reach, 1 + 10 + 4 + 1);
        m_doc->SetLevel(25.0f);
        m_page->OnLevelChanged();
        QCOMPARE(UnpackRowData(item->data(0, CSkillListDelegate::kDataRole).toInt()).reach, 1 + 5 + 4 + 1);
    }

    void controlsFollowScrollAndColumnDrags()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight");
        m_page->resize(900, 420);  // short enough to scroll
        QApplication::processEvents();
        CListCtrlMoreNotifies* list = m_page->SkillList();
        const int shield = rowOf("Shield Fighting");
        CNumEdit* control = m_page->LevelControl(shield);
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
        QVERIFY(list->verticalScrollBar()->value() > 0);
        QCOMPARE(control->geometry(), cellRect(shield, kSkillColumn));

        list->setColumnWidth(kNameColumn, list->columnWidth(kNameColumn) + 30);
        QCOMPARE(control->geometry(), cellRect(shield, kSkillColumn));

        // Dragging the divider after "Level" hides the controls until it is let go.
        QWidget* header = list->header()->viewport();
        const int divider = list->header()->sectionViewportPosition(kSkillColumn);
        const int y = list->header()->height() / 2;
        press(header, {divider - 1, y});
        QCOMPARE(list->trackedColumn(), kLevelColumn);
        QVERIFY(!control->isVisible());
        move(header, {divider + 20, y}, Qt::LeftButton);
        QVERIFY(!control->isVisible());
        release(header, {divider + 20, y});
        QVERIFY(control->isVisible());
        QCOMPARE(control->geometry(), cellRect(shield, kSkillColumn));

        // Tabbing to a control scrolled out of view brings its row back.
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
        CNumEdit* first = m_page->LevelControl(rowOf("Blades"));
        focus(first);
        QVERIFY(list->viewport()->rect().contains(first->geometry()));
    }

    void screenshots_data()
    {
        QTest::addColumn<bool>("german");
        QTest::addColumn<QString>("className");
        QTest::addColumn<bool>("career");
        QTest::addColumn<QString>("name");
        QTest::newRow("caster en single")
            << false << QStringLiteral("Sun Priest") << false << "skills_caster_en";
        QTest::newRow("caster de career")
            << true << QStringLiteral("Sonnenpriester") << true << "skills_caster_de_career";
        QTest::newRow("auto-train en career")
            << false << QStringLiteral("Guardsman") << true << "skills_guardsman_en_career";
        QTest::newRow("auto-train de single")
            << true << QStringLiteral("Gardist") << false << "skills_gardist_de";
        QTest::newRow("poison de") << true << QStringLiteral("D\u00e4mmerklinge") << false
                                   << "skills_poison_de";
    }
    void screenshots()
    {
        QFETCH(bool, german);
        QFETCH(QString, className);
        QFETCH(bool, career);
        QFETCH(QString, name);
        const std::string cls = QStringToWindows1252(className);
        makePage(german ? *m_german : *m_english, german ? UiLanguage::German : UiLanguage::English,
                 cls.c_str(), 35.0f, career);
        QVERIFY(!m_page->Rows().empty());
        // Train the first line a little, and hover the first group row.
        for (std::size_t i = 0; i < m_page->Rows().size(); ++i) {
            if (CNumEdit* control = m_page->LevelControl(static_cast<int>(i))) {
                control->step(+5);
                break;
            }
        }
        // Hover the first spell group (its description shows), else the first group.
        int hovered = -1;
        for (std::size_t i = 0; i < m_page->Rows().size(); ++i) {
            const SkillRow& row = m_page->Rows()[i];
            if (row.IsGroup() &&
                (hovered < 0 ||
                 (row.spellLine && !m_page->Rows()[static_cast<std::size_t>(hovered)].spellLine)))
                hovered = static_cast<int>(i);
        }
        QVERIFY(hovered >= 0);
        hoverLevel(hovered, 1);
        m_page->SkillList()->scrollToTop();
        QApplication::processEvents();
        const QImage image = m_page->grab().toImage();
        SaveScreenshot(image, name);

        // A line row is drawn on its colour in the Name column, and its level control
        // fits the row without being cut.
        CListCtrlMoreNotifies* list = m_page->SkillList();
        const QPoint origin = list->viewport()->mapTo(m_page.get(), QPoint(0, 0));
        for (std::size_t i = 0; i < m_page->Rows().size(); ++i) {
            CNumEdit* control = m_page->LevelControl(static_cast<int>(i));
            if (!control)
                continue;
            const QRect nameCell = cellRect(static_cast<int>(i), kNameColumn).translated(origin);
            // (The current row wears the style's focus frame.)
            if (list->viewport()->rect().contains(cellRect(static_cast<int>(i), kNameColumn)) &&
                list->currentIndex().row() != static_cast<int>(i))
                QVERIFY(CountPixels(image, nameCell, Colour(kLineBackground)) >
                        nameCell.width() * nameCell.height() / 2);
            QVERIFY(control->height() >= control->minimumSizeHint().height());
        }
        // Reached entries of a group row are red.
        int red = 0;
        for (std::size_t i = 0; i < m_page->Rows().size(); ++i) {
            if (!m_page->Rows()[i].IsGroup())
                continue;
            const QRect cell = cellRect(static_cast<int>(i), kLevelColumn);
            if (list->viewport()->rect().contains(cell))
                red += CountPixels(image, cell.translated(origin), Colour(kReachedEntry), 40);
        }
        QVERIFY(red > 0);

        // At the size it asks for, every column fits beside the points.
        m_page->resize(m_page->TemplateSize());
        QApplication::processEvents();
        SaveScreenshot(m_page->grab().toImage(), name + QStringLiteral("_template"));
        int columns = 0;
        for (int column = 0; column < kColumnCount; ++column)
            columns += list->columnWidth(column);
        QVERIFY2(columns <= list->viewport()->width(),
                 qPrintable(QStringLiteral("%1 > %2").arg(columns).arg(list->viewport()->width())));
    }
};

QTEST_MAIN(CPage2Test)
#include "CPage2Test.moc"
