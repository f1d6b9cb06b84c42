#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include <algorithm>
#include <memory>

#include "controls/CEditKeyResponse.h"
#include "controls/CListCtrlMoreNotifies.h"
#include "controls/CNumEdit.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "markup/CEditCtrlFormat.h"
#include "pages/skills/CDlgRespec.h"
#include "pages/skills/CEditAutoTrain.h"
#include "pages/skills/CPage2.h"
#include "pages/skills/CSkillListDelegate.h"
#include "support/RecordingPrompt.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"
#include "ui/support/UiTestSupport.h"

using namespace skills_rules;
using namespace ui_test;

class CPage2Test : public QObject {
    Q_OBJECT

    CGameDatabase m_database{QUILLMAR_SHIPPED_DATA};
    CAppSettings m_settings;
    RecordingPrompt m_prompt;
    CShellContext m_context{m_database, m_settings, m_prompt, UiLanguage::English};
    std::unique_ptr<CQuillmarDoc> m_doc;
    std::unique_ptr<CPage2> m_page;

    void makePage(const char* className, float level = 50.0f, bool career = false)
    {
        m_page.reset();
        m_doc = std::make_unique<CQuillmarDoc>(m_database, m_settings);
        m_doc->SetClass(className);
        m_doc->ActivateSelection();
        m_doc->SetLevel(level);
        m_doc->SetCareerMode(career ? 1 : 0);
        m_doc->SetModified(false);
        m_page = std::make_unique<CPage2>(m_context, *m_doc);
        m_page->resize(900, 640);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
    }
    CListCtrlMoreNotifies* list() const { return m_page->SkillList(); }
    // The line's own row; with `group` its first group row ("") or the one of that text.
    int rowOf(const std::string& line, const char* group = nullptr) const
    {
        const auto& rows = m_page->Rows();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].lineName == line && rows[i].IsGroup() == bool(group) &&
                (!group || !*group || rows[i].text == group))
                return static_cast<int>(i);
        qFatal("no row %s", line.c_str());
    }
    QString field(const char* name) const { return m_page->findChild<QLineEdit*>(name)->text(); }
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
    void typeInto(QLineEdit* edit, const QString& text, bool finish = true)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        if (finish)
            QTest::keyClick(edit, Qt::Key_Return);
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

private slots:
    void initTestCase()
    {
        QuietUnsupportedPlatformWarnings();
        m_database.Load("en");
        QVERIFY(m_database.IsLoaded());
    }
    void cleanup() { m_page.reset(); }

    void levelControlsChangeTheLineAndThePoints()
    {
        makePage("Banner Knight");
        const int crushing = rowOf("Crushing");
        CNumEdit* control = m_page->LevelControl(crushing);
        QVERIFY(!m_page->LevelControl(rowOf("Crushing", "")));
        control->editField()->setFocus();
        QTest::keyClick(control->editField(), Qt::Key_Up);  // in this column Up steps, not moves
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 2);
        QVERIFY(m_doc->IsModified());
        QCOMPARE(field("usedPoints"), QStringLiteral("2"));
        QCOMPARE(field("restPoints"), QString::number(m_doc->SkillPointsAtLevel() - 2));
        QCOMPARE(rowData(crushing + 1).counts, 2);

        // The limit follows what is left: 3 more points pay for level 3, not 4.
        m_doc->SetExtraSpecPoints(3 - Points(*m_doc).rest);
        m_page->OnClassChanged();
        control = m_page->LevelControl(crushing);
        typeInto(control->editField(), QStringLiteral("9"));
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 3);
        QCOMPARE(field("restPoints"), QStringLiteral("0"));

        // Tab runs from line to line through the auto-train field of an auto-train line.
        const int blades = rowOf("Blades");
        m_page->LevelControl(blades)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(m_page->AutoTrainControl(blades)->isAncestorOf(QApplication::focusWidget()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control->editField());
    }

    // Every change of a group row's values repaints its Level cell by itself.
    void levelColumnShowsEveryChangeAtOnce_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("start");
        QTest::addColumn<uint>("colour");
        QTest::addColumn<int>("levelAfter");
        QTest::newRow("level control: styles reached") << 0 << "Crushing" << 1 << kReachedEntry << 10;
        QTest::newRow("auto-train: raised to 5") << 1 << "Blades" << 1 << kReachedEntry << 5;
        QTest::newRow("respec: back to 1") << 2 << "Crushing" << 10 << kReachedEntry << 1;
        QTest::newRow("hover leaves the entries") << 3 << "Crushing" << 1 << kHoveredEntry << 1;
    }
    void levelColumnShowsEveryChangeAtOnce()
    {
        QFETCH(int, change);
        QFETCH(QString, line);
        QFETCH(int, start);
        QFETCH(uint, colour);
        QFETCH(int, levelAfter);
        makePage("Banner Knight");
        const std::string name = line.toStdString();
        m_doc->SetSpecLevel(name, start);
        m_page->OnClassChanged();
        const int styles = rowOf(name, "");
        if (change == 3)
            hoverLevel(styles, 1);
        const bool before = levelAfter < start || change == 3;
        QTRY_COMPARE(shown(styles, colour) > 0, before);
        switch (change) {
        case 0:
            m_page->LevelControl(rowOf(name))->step(+9);
            break;
        case 1:
            m_page->AutoTrainControl(rowOf(name))->stepBy(+4);
            QCOMPARE(m_doc->GetAutoTrain(name), int(Bits(0, 4)));
            break;
        case 2:
            m_page->SetRespecChooser([&](const auto&, int) { return std::optional<std::string>(name); });
            m_page->Respec();
            break;
        default:
            hoverLevel(styles, list()->columnWidth(kLevelColumn) - 2 * CSkillListDelegate::kTextPadding);
        }
        QCOMPARE(m_doc->GetSpecLevel(name), levelAfter);
        QCOMPARE(m_page->LevelControl(rowOf(name))->value(), levelAfter);
        QCOMPARE(shown(styles, colour) > 0, !before);
    }

    void respecAsksTheDialog()
    {
        makePage("Banner Knight");
        m_doc->SetSpecLevel("Crushing", 15);
        m_doc->SetSpecLevel("Polearms", 7);
        m_page->OnClassChanged();
        const auto answer = [this](bool full, int line, bool ok) {
            WhenModalOpens<CDlgRespec>([=](CDlgRespec* dialog) {
                dialog->lineList()->setCurrentRow(line);
                (full ? dialog->fullChoice() : dialog->lineChoice())->click();
                dialog->findChild<QPushButton*>(ok ? "ok" : "cancel")->click();
            });
            m_page->findChild<QPushButton*>("respec")->click();
        };
        const std::vector<std::string> lines = m_doc->SkillLines();
        const int crushing = int(std::find(lines.begin(), lines.end(), "Crushing") - lines.begin());
        answer(false, crushing, false);
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 15);
        answer(false, crushing, true);
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 1);
        QCOMPARE(m_doc->GetSpecLevel("Polearms"), 7);
        answer(true, crushing, true);
        QCOMPARE(m_doc->GetSpecLevel("Polearms"), 1);
        QCOMPARE(m_page->LevelControl(rowOf("Polearms"))->value(), 1);
    }

    void careerModeColoursThePlannedLines()
    {
        makePage("Banner Knight", 30.0f, true);
        CNumEdit* crushing = m_page->LevelControl(rowOf("Crushing"));
        const QColor normal = crushing->backgroundColor();
        typeInto(crushing->editField(), QStringLiteral("10"));
        QCOMPARE(crushing->backgroundColor(), Colour(kPlanEntryBackground));
        QCOMPARE(m_page->LevelControl(rowOf("Polearms"))->backgroundColor(), normal);
        m_doc->SetLevel(35.0f);
        m_page->OnLevelChanged();
        QCOMPARE(crushing->value(), 10);  // carried on from level 30
        QCOMPARE(crushing->backgroundColor(), normal);
    }

    void specialPointsAreStored()
    {
        makePage("Banner Knight");
        const int earned = m_doc->SkillPointsAtLevel();
        auto* special = m_page->findChild<QLineEdit*>("specialPoints");
        typeInto(special, QStringLiteral("25"), false);
        QCOMPARE(m_doc->GetExtraSpecPoints(), 25);
        QCOMPARE(field("skillPoints"), QString::number(earned + 25));
        typeInto(special, QStringLiteral("-"));  // half typed: kept, then shown as stored
        QCOMPARE(m_doc->GetExtraSpecPoints(), 25);
        QCOMPARE(special->text(), QStringLiteral("25"));
    }

    void hoverShowsDescriptionAndDetail()
    {
        makePage("Sun Priest", 35.0f);
        const int mending = rowOf("Prayers of Grace", "Grace Mending");
        hoverLevel(mending, list()->fontMetrics().horizontalAdvance(QStringLiteral("1 ")) + 2);
        QCOMPARE(rowData(mending).hovered, 2);
        QVERIFY(list()->topLevelItem(mending)->isSelected());
        QVERIFY(!m_page->DescriptionBox()->markup().empty());
        QCOMPARE(m_page->DetailList()->topLevelItem(1)->text(1), QStringLiteral("11"));
        m_page->OnClassChanged();  // a full refresh forgets the hover
        QVERIFY(m_page->DescriptionBox()->markup().empty());
        QCOMPARE(m_page->DetailList()->topLevelItemCount(), 0);
        QCOMPARE(rowData(mending).hovered, 0);
    }

    void realmRankMovesThePoisonReach()
    {
        makePage("Duskblade");
        const int poison = rowOf("Player poisons", "");
        const int before = rowData(poison).reach;
        m_doc->SetRealmRank(45);
        m_page->OnRealmRankChanged();
        QVERIFY(rowData(poison).reach > before);
    }

    void controlsFollowScrollAndColumnDrags()
    {
        makePage("Banner Knight");
        m_page->resize(900, 420);  // short enough to scroll
        QApplication::processEvents();
        const int shield = rowOf("Shield Fighting");
        CNumEdit* control = m_page->LevelControl(shield);
        list()->verticalScrollBar()->setValue(list()->verticalScrollBar()->maximum());
        QVERIFY(list()->verticalScrollBar()->value() > 0);
        QCOMPARE(control->geometry(), cell(shield, kSkillColumn));
        list()->setColumnWidth(kNameColumn, list()->columnWidth(kNameColumn) + 30);
        QCOMPARE(control->geometry(), cell(shield, kSkillColumn));
        QCOMPARE(m_page->AutoTrainControl(rowOf("Blades"))->geometry(),
                 cell(rowOf("Blades"), kAutoTrainColumn).adjusted(2, 0, -2, 0));

        // Dragging the divider after "Level" hides the controls until it is let go.
        QWidget* header = list()->header()->viewport();
        const QPoint divider(list()->header()->sectionViewportPosition(kSkillColumn) - 1,
                             header->height() / 2);
        press(header, divider);
        QVERIFY(!control->isVisible());
        move(header, divider + QPoint(20, 0), Qt::LeftButton);
        release(header, divider + QPoint(20, 0));
        QVERIFY(control->isVisible());
        QCOMPARE(control->geometry(), cell(shield, kSkillColumn));

        // Tabbing to a control scrolled out of view brings its row back.
        CNumEdit* first = m_page->LevelControl(rowOf("Blades"));
        first->setFocus(Qt::TabFocusReason);
        QVERIFY(list()->viewport()->rect().contains(first->geometry()));
    }

    // Half-typed text in a control that goes with a rebuild or with the page reaches nobody.
    void controlsGoWithoutCallingBack()
    {
        makePage("Banner Knight");
        typeInto(m_page->LevelControl(rowOf("Crushing"))->editField(), QStringLiteral("7"), false);
        m_page->OnClassChanged();
        typeInto(m_page->LevelControl(rowOf("Crushing"))->editField(), QStringLiteral("5"), false);
        m_page.reset();
        QCOMPARE(m_doc->GetSpecLevel("Crushing"), 1);
        QVERIFY(!m_doc->IsModified());
    }
};

QTEST_MAIN(CPage2Test)
#include "CPage2Test.moc"
