#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QTest>
#include <QTreeWidgetItem>

#include <algorithm>
#include <memory>
#include <string>

#include "controls/CEditColor.h"
#include "controls/CListCtrlMoreNotifies.h"
#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "markup/CRichTooltip.h"
#include "markup/QtCodePage.h"
#include "markup/QtMarkupSurface.h"
#include "pages/stats/CPage1.h"
#include "pages/stats/StatsRules.h"
#include "support/RecordingPrompt.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"

namespace {

const char* const kBaseTip = "Character-stats based on selected race.<br>Inclusive your spended points.";
const char* const kAtLevelTip = "Character-stats at selected LEVEL.<br>Depending on your choosen class.";
const char* const kItemCapTip = "Character-stats at selected LEVEL incl. possible item cap.";

// Colours as the pages draw them.
QColor Colour(MarkupColor c)
{
    return QtMarkupSurface::ToQColor(c);
}

}  // namespace

class CPage1Test : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CGameDatabase> m_english;
    std::unique_ptr<CGameDatabase> m_german;
    std::unique_ptr<CAppSettings> m_settings;
    RecordingPrompt m_prompt;
    std::unique_ptr<CShellContext> m_context;
    std::unique_ptr<CQuillmarDoc> m_doc;
    std::unique_ptr<CPage1> m_page;
    QPoint m_pointer;

    void makePage(CGameDatabase& database, UiLanguage language, const char* className, const char* race,
                  float level = 50.0f)
    {
        m_page.reset();
        m_doc = std::make_unique<CQuillmarDoc>(database, *m_settings);
        m_context = std::make_unique<CShellContext>(CShellContext{database, *m_settings, m_prompt, language});
        m_doc->SetRealm("Caldor");
        m_doc->SetClass(className);
        m_doc->SetRace(race);
        m_doc->ActivateSelection();
        m_doc->SetLevel(level);
        m_doc->SetModified(false);
        m_page = std::make_unique<CPage1>(*m_context, *m_doc);
        m_page->resize(m_page->TemplateSize());
        m_page->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
        m_page->Tooltip()->setPointerSource([this] { return m_pointer; });
    }
    template <typename T> T* child(const QString& name) const
    {
        T* widget = m_page->findChild<T*>(name);
        if (!widget)
            qFatal("no child %s", qPrintable(name));
        return widget;
    }
    QSpinBox* stepper(int stat) const { return child<QSpinBox>(QStringLiteral("stepper%1").arg(stat)); }
    CEditColor* cell(const char* column, int stat) const
    {
        return child<CEditColor>(QStringLiteral("%1%2").arg(QLatin1String(column)).arg(stat));
    }
    QString text(const char* name) const
    {
        return child<QWidget>(QLatin1String(name))->property("text").toString();
    }
    QStringList row(int stat) const
    {
        return {cell("base", stat)->text(), cell("atLevel", stat)->text(), cell("itemCap", stat)->text(),
                cell("withRealmAbilities", stat)->text()};
    }
    // A mouse move over the widget as the user would make it; returns the tip then shown.
    std::string hover(QWidget* widget, QPoint local)
    {
        m_pointer = widget->mapToGlobal(local);
        QMouseEvent move(QEvent::MouseMove, QPointF(local), QPointF(m_pointer), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
        CRichTooltip* tip = m_page->Tooltip();
        if (!QTest::qWaitFor([tip] { return tip->isTipShown(); }, 1000))
            return "<no tip>";
        return tip->toolText(tip->currentTool());
    }
    std::string hover(QWidget* widget) { return hover(widget, widget->rect().center()); }
    std::vector<std::string> toolTexts() const
    {
        std::vector<std::string> texts;
        for (int i = 0; i < m_page->Tooltip()->toolCount(); ++i)
            texts.push_back(m_page->Tooltip()->toolText(i));
        return texts;
    }
    static QRect upButton(QSpinBox* spin)
    {
        QStyleOptionSpinBox option;
        option.initFrom(spin);
        option.subControls = QStyle::SC_SpinBoxUp | QStyle::SC_SpinBoxDown | QStyle::SC_SpinBoxFrame;
        option.buttonSymbols = spin->buttonSymbols();
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        option.frame = spin->hasFrame();
        return spin->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, spin);
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
    void init()
    {
        m_settings = std::make_unique<CAppSettings>();
        m_settings->Set(setting::TOOLTIP_DELAY, 0);
    }
    void cleanup()
    {
        m_page.reset();
        m_doc.reset();
    }

    // Banner Knight, Human (60 everywhere) at level 50: Strength +45.
    void keyboardStepsChangeTheDocumentAndTheColumns()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight", "Human");
        QCOMPARE(row(0), (QStringList{"60", "105", "180", "180"}));
        QCOMPARE(text("freePoints"), QStringLiteral("30"));
        QVERIFY(cell("base", 0)->textColor() != Colour(stats_rules::kSpentText));

        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
        stepper(0)->setFocus();
        QTest::keyClick(stepper(0), Qt::Key_Up);
        QCOMPARE(m_doc->GetStatRaises()[0], 1);
        QVERIFY(m_doc->IsModified());
        QCOMPARE(row(0), (QStringList{"61", "106", "181", "181"}));
        QCOMPARE(cell("base", 0)->textColor(), Colour(stats_rules::kSpentText));
        QCOMPARE(text("freePoints"), QStringLiteral("29"));
        QCOMPARE(stepper(0)->value(), 1);

        // Tab reaches the next stepper, whose arrows step it.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), stepper(1));
        QTest::keyClick(stepper(1), Qt::Key_Up);
        QTest::keyClick(stepper(1), Qt::Key_Up);
        QCOMPARE(m_doc->GetStatRaises()[1], 2);
        QCOMPARE(text("freePoints"), QStringLiteral("27"));
        QTest::keyClick(stepper(1), Qt::Key_Down);
        QCOMPARE(m_doc->GetStatRaises()[1], 1);
        QCOMPARE(text("freePoints"), QStringLiteral("28"));
        QCOMPARE(row(1), (QStringList{"61", "84", "159", "159"}));
    }

    void arrowButtonClickRaises()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight", "Human");
        QSpinBox* spin = stepper(3);
        QTest::mouseClick(spin, Qt::LeftButton, {}, upButton(spin).center());
        QCOMPARE(m_doc->GetStatRaises()[3], 1);
        QCOMPARE(row(3), (QStringList{"61", "61", "136", "136"}));
        QCOMPARE(m_page->FreePoints(), 29);
    }

    void typedNumberCountsAsThatManySteps()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight", "Human");
        QSpinBox* spin = stepper(2);
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, QStringLiteral("12"));
        QTest::keyClick(spin, Qt::Key_Return);
        QCOMPARE(m_doc->GetStatRaises()[2], 12);
        QCOMPARE(text("freePoints"), QStringLiteral("16"));
    }

    void raisingIsRefusedWhenThePointsRunOut()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight", "Human");
        m_doc->AddStatRaise(0, 18);  // costs 29
        m_page->OnRaceChanged();
        QCOMPARE(text("freePoints"), QStringLiteral("1"));
        // The 19th point is refused with 1 left.
        stepper(0)->stepUp();
        QCOMPARE(m_doc->GetStatRaises()[0], 18);
        QCOMPARE(stepper(0)->value(), 18);

        stepper(1)->stepUp();
        QCOMPARE(m_doc->GetStatRaises()[1], 1);
        QCOMPARE(text("freePoints"), QStringLiteral("0"));
        m_doc->SetModified(false);
        stepper(2)->stepUp();
        QCOMPARE(m_doc->GetStatRaises()[2], 0);
        QCOMPARE(stepper(2)->value(), 0);
        QCOMPARE(row(2), (QStringList{"60", "75", "150", "150"}));
        QVERIFY(!m_doc->IsModified());
    }

    void loweringRefunds_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("refund");
        QTest::newRow("16 refunds 3") << 16 << 3;
        QTest::newRow("11 refunds 2") << 11 << 2;
        QTest::newRow("10 refunds 1") << 10 << 1;
    }
    void loweringRefunds()
    {
        QFETCH(int, from);
        QFETCH(int, refund);
        makePage(*m_english, UiLanguage::English, "Banner Knight", "Human");
        m_doc->AddStatRaise(4, from);
        m_page->OnLevelChanged();
        const int before = m_page->FreePoints();
        stepper(4)->setFocus();
        QTest::keyClick(stepper(4), Qt::Key_Down);
        QCOMPARE(m_doc->GetStatRaises()[4], from - 1);
        QCOMPARE(m_page->FreePoints(), before + refund);
        QCOMPARE(text("freePoints"), QString::number(before + refund));
    }

    void overspentFileShowsFehlerAndStillLowers()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight", "Human");
        m_doc->StoreStatRaises({18, 18, 0, 0, 0, 0, 0, 0});
        m_page->OnRaceChanged();
        QCOMPARE(text("freePoints"), QStringLiteral("FEHLER"));
        stepper(2)->stepUp();
        QCOMPARE(m_doc->GetStatRaises()[2], 0);
        stepper(0)->stepDown();
        QCOMPARE(m_doc->GetStatRaises()[0], 17);
        QCOMPARE(m_page->FreePoints(), -25);
        QCOMPARE(text("freePoints"), QStringLiteral("FEHLER"));
    }

    void levelChangeUpdatesValuesAndCapHeader()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight", "Human");
        QCOMPARE(text("capHeader"), QStringLiteral("+Cap (75)"));
        m_doc->SetLevel(20.0f);
        m_page->OnLevelChanged();
        QCOMPARE(text("capHeader"), QStringLiteral("+Cap (30)"));
        // Strength +15, Constitution +8, Dexterity +5 at level 20.
        QCOMPARE(row(0), (QStringList{"60", "75", "105", "105"}));
        QCOMPARE(row(1), (QStringList{"60", "68", "98", "98"}));
        QCOMPARE(row(2), (QStringList{"60", "65", "95", "95"}));
        QCOMPARE(text("hitPoints2"), QString::number(1336 + 975 + 80));
        m_doc->SetLevel(5.0f);
        m_page->OnLevelChanged();
        QCOMPARE(text("capHeader"), QStringLiteral("+Cap (7)"));
        QCOMPARE(row(0), (QStringList{"60", "60", "67", "67"}));
    }

    void hitPointsAndRealmAbilities()
    {
        makePage(*m_english, UiLanguage::English, "Flamewright", "Human");
        // Flamewright: Intelligence, Dexterity, Quickness; base 520, 7 per point; Human Con 60.
        QCOMPARE(text("hitPoints1"), QStringLiteral("590"));
        QCOMPARE(text("hitPoints2"), QString::number(590 + 525 + 200));
        QCOMPARE(text("hitPoints3"), QString::number(590 + 525 + 200));
        m_doc->SetRealmAbilityNf("Keen Mind", 3);  // +12 Intelligence
        m_doc->SetRealmAbilityNf("Toughness", 1);  // +40 hit points
        m_page->OnLevelChanged();
        QCOMPARE(row(4), (QStringList{"60", "105", "180", "192"}));
        QCOMPARE(cell("withRealmAbilities", 4)->textColor(), Colour(stats_rules::kSpentText));
        QCOMPARE(cell("atLevel", 4)->textColor(), Colour(stats_rules::kCastingText));
        QCOMPARE(cell("base", 4)->backgroundColor(), Colour(stats_rules::kPrimaryBackground));
        QCOMPARE(text("hitPoints3"), QString::number(590 + 525 + 40 + 200));
    }

    void nonCasterHasNoCastingColour()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight", "Human");
        const QColor casting = Colour(stats_rules::kCastingText);
        for (int stat = 0; stat < kStatCount; ++stat)
            QVERIFY2(cell("atLevel", stat)->textColor() != casting, qPrintable(QString::number(stat)));
        QCOMPARE(cell("base", 0)->backgroundColor(), Colour(stats_rules::kPrimaryBackground));
        QCOMPARE(cell("base", 1)->backgroundColor(), Colour(stats_rules::kSecondaryBackground));
        QCOMPARE(cell("base", 2)->backgroundColor(), Colour(stats_rules::kTertiaryBackground));
    }

    void raceChangeRefillsTheAbilityList()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight", "Human");
        auto* list = child<CListCtrlMoreNotifies>(QStringLiteral("abilityList"));
        const auto names = [list] {
            QStringList all;
            for (int i = 0; i < list->topLevelItemCount(); ++i)
                all << list->topLevelItem(i)->text(2);
            return all;
        };
        QVERIFY(names().contains(QStringLiteral("Armor: Plate")));

        // A class change reaches the page as a race change.
        m_doc->SetClass("Flamewright");
        m_doc->SetRace("Avari");
        m_page->OnRaceChanged();
        const ClassAbilityList expected = m_english->ClassAbilities();
        QStringList wanted;
        for (const std::string& name : expected.names)
            wanted << Windows1252ToQString(name);
        QCOMPARE(names(), wanted);
        QVERIFY(!names().contains(QStringLiteral("Armor: Plate")));
        QCOMPARE(cell("base", 0)->text(), QStringLiteral("55"));  // Avari strength
        // Level cells and row colours.
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* item = list->topLevelItem(i);
            const int level = expected.levels[static_cast<std::size_t>(i)];
            QCOMPARE(item->text(0), level > 50 ? QString() : QString::number(level));
            QCOMPARE(item->text(1),
                     expected.kinds[static_cast<std::size_t>(i)] == kAbilityTrainableLine ? "x" : "");
            if (expected.kinds[static_cast<std::size_t>(i)] == kAbilityArmour) {
                QCOMPARE(item->background(2).color(), Colour(stats_rules::kArmourShieldBackground));
                QCOMPARE(item->foreground(2).color(), Colour(stats_rules::kArmourText));
            }
        }
    }

    void statTooltipsShowTheDescriptions()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight", "Human");
        for (int stat = 0; stat < kStatCount; ++stat) {
            const std::string description =
                m_english->Description(stats_rules::kStatDescriptionKeys[static_cast<std::size_t>(stat)]);
            QVERIFY(!description.empty());
            QCOMPARE(hover(child<QWidget>(QStringLiteral("statLabel%1").arg(stat))), description);
            QCOMPARE(hover(cell("base", stat)), description);
        }
        QCOMPARE(hover(child<QWidget>(QStringLiteral("baseHeader"))), std::string(kBaseTip));
        QCOMPARE(hover(child<QWidget>(QStringLiteral("atLevelHeader"))), std::string(kAtLevelTip));
        QCOMPARE(hover(child<QWidget>(QStringLiteral("capHeader"))), std::string(kItemCapTip));
    }

    void headerTooltipsOnlyWithUiTooltips()
    {
        m_settings->Set(setting::UI_TOOLTIPS, 0);
        makePage(*m_german, UiLanguage::German, "Bannerritter", "Mensch");
        const std::vector<std::string> texts = toolTexts();
        for (const char* tip : {kBaseTip, kAtLevelTip, kItemCapTip})
            QVERIFY(std::find(texts.begin(), texts.end(), tip) == texts.end());
        // The descriptions are there regardless, in the data language.
        const std::string strength = m_german->Description("STAT_STRENGTH");
        QCOMPARE(std::count(texts.begin(), texts.end(), strength), 2);
        QCOMPARE(hover(child<QWidget>(QStringLiteral("statLabel0"))), strength);
    }

    void tooltipDelayComesFromTheSettings()
    {
        m_settings->Set(setting::TOOLTIP_DELAY, 1234);
        makePage(*m_english, UiLanguage::English, "Banner Knight", "Human");
        QCOMPARE(m_page->Tooltip()->initialDelay(), 1234);
    }

    void abilityHoverSetsTheRowDescription()
    {
        makePage(*m_english, UiLanguage::English, "Banner Knight", "Human");
        auto* list = child<CListCtrlMoreNotifies>(QStringLiteral("abilityList"));
        std::vector<int> described;
        for (int i = 0; i < list->topLevelItemCount() && described.size() < 2; ++i) {
            if (!m_english->Description(QStringToWindows1252(list->topLevelItem(i)->text(2))).empty())
                described.push_back(i);
        }
        QCOMPARE(described.size(), std::size_t{2});
        for (const int i : described) {
            QTreeWidgetItem* item = list->topLevelItem(i);
            list->scrollToItem(item);
            const QRect rect = list->visualItemRect(item);
            const std::string want = m_english->Description(QStringToWindows1252(item->text(2)));
            QCOMPARE(hover(list->viewport(), rect.center()), want);
        }
    }

    void germanTexts()
    {
        makePage(*m_german, UiLanguage::German, "Flammenwirker", "Mensch");
        QCOMPARE(m_page->windowTitle(), QStringLiteral("Basiswerte Planer"));
        QCOMPARE(text("statLabel0"), QStringLiteral("Stärke"));
        QCOMPARE(text("statLabel5"), QStringLiteral("Frömmigkeit"));
        QCOMPARE(text("baseHeader"), QStringLiteral("Basis"));
        QVERIFY(m_page->findChildren<QLabel*>().size() > 0);
        bool hitPointRow = false, caption = false;
        for (const QLabel* label : m_page->findChildren<QLabel*>()) {
            hitPointRow |= label->text() == QStringLiteral("Trefferpunkte bei Lvl 50");
            caption |= label->text() == QStringLiteral("nicht offiziel - Fehler können auftreten");
        }
        QVERIFY(hitPointRow);
        QVERIFY(caption);
    }

    // Pictures for a person to look at, when QUILLMAR_SCREENSHOT_DIR is set.
    void screenshots()
    {
        if (ScreenshotDir().isEmpty())
            QSKIP("QUILLMAR_SCREENSHOT_DIR is not set");
        makePage(*m_german, UiLanguage::German, "Flammenwirker", "Mensch");
        m_doc->AddStatRaise(4, 12);
        m_doc->SetRealmAbilityNf("Geistessch\xE4rfe", 2);
        m_page->OnRaceChanged();
        QVERIFY(SaveScreenshot(m_page->grab().toImage(), QStringLiteral("page1_de_caster")));
        makePage(*m_english, UiLanguage::English, "Banner Knight", "Stoneling", 37.0f);
        m_doc->AddStatRaise(0, 12);
        m_doc->AddStatRaise(1, 8);
        m_page->OnRaceChanged();
        QVERIFY(SaveScreenshot(m_page->grab().toImage(), QStringLiteral("page1_en_fighter")));
        m_doc->StoreStatRaises({18, 18, 0, 0, 0, 0, 0, 0});
        m_page->OnRaceChanged();
        QVERIFY(SaveScreenshot(m_page->grab().toImage(), QStringLiteral("page1_en_fehler")));
    }
};

QTEST_MAIN(CPage1Test)
#include "CPage1Test.moc"
