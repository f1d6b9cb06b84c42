#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "pages/skills/CDlgAutoTrain.h"
#include "shell/CShellContext.h"
#include "support/RecordingPrompt.h"
#include "ui/support/ImageProbe.h"
#include "ui/support/QuietPlatform.h"

namespace {

constexpr std::uint32_t Bits(int from, int to)
{
    std::uint32_t mask = 0;
    for (int bit = from; bit <= to; ++bit)
        mask |= 1u << bit;
    return mask;
}

}  // namespace

class CDlgAutoTrainTest : public QObject {
    Q_OBJECT

private:
    CGameDatabase m_database;
    CAppSettings m_settings;
    RecordingPrompt m_prompt;
    std::unique_ptr<CShellContext> m_context;
    std::unique_ptr<CDlgAutoTrain> m_dialog;

    void open(std::uint32_t mask, int level, UiLanguage language = UiLanguage::English)
    {
        m_dialog.reset();
        m_context =
            std::make_unique<CShellContext>(CShellContext{m_database, m_settings, m_prompt, language});
        m_dialog = std::make_unique<CDlgAutoTrain>(*m_context, mask, level);
        m_dialog->show();
        QApplication::setActiveWindow(m_dialog.get());
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }
    QList<bool> ticked() const
    {
        QList<bool> states;
        for (int skill = 2; skill <= 12; ++skill)
            states.append(m_dialog->stepBox(skill)->isChecked());
        return states;
    }
    // Ticks for the skills given, 2..12.
    static QList<bool> ticks(std::initializer_list<int> skills)
    {
        QList<bool> states(11, false);
        for (const int skill : skills)
            states[skill - 2] = true;
        return states;
    }
    QStringList description() const
    {
        QStringList lines;
        for (int i = 0; i < m_dialog->descriptionList()->count(); ++i)
            lines.append(m_dialog->descriptionList()->item(i)->text());
        return lines;
    }
    QString shortText() const { return m_dialog->shortTextField()->text(); }
    void click(int skill, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QCheckBox* box = m_dialog->stepBox(skill);
        QTest::mouseClick(box, Qt::LeftButton, modifiers, box->rect().center());
    }
    QStringList labelTexts() const
    {
        QStringList texts;
        for (const QLabel* label : m_dialog->findChildren<QLabel*>())
            texts.append(label->text());
        return texts;
    }
    QPushButton* button(const char* name) const
    {
        return m_dialog->findChild<QPushButton*>(QLatin1String(name));
    }

private slots:
    void initTestCase() { QuietUnsupportedPlatformWarnings(); }
    void cleanup() { m_dialog.reset(); }

    void showsTheFixedTextsInBothLanguages()
    {
        open(0, 50, UiLanguage::German);
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Autotrain"));
        QStringList texts = labelTexts();
        for (const char* expected :
             {"Einige Klassen haben Auto-train-Linien. Diese Linien werden auf ein minimum Level gehalten, "
              "wenn der "
              "Charakter einen bestimmten Level erreicht. Dieser Minimum Level kostet keinen "
              "Spezialisierungspunkte.",
              "Skill:", "Level:", "Kurz:", "Beschreibung:", "( SHIFT um Bereiche zu markieren )", "x", "1-7",
              "8-11", "44-47", "48-50", "1", "12"})
            QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
        QCOMPARE(button("ok")->text(), QStringLiteral("OK"));
        QCOMPARE(button("cancel")->text(), QStringLiteral("Abbrechen"));
        QVERIFY(SaveScreenshot(m_dialog->grab().toImage(), QStringLiteral("autotrain_de")) ||
                ScreenshotDir().isEmpty());

        open(Bits(0, 3) | Bits(5, 7), 30, UiLanguage::English);
        texts = labelTexts();
        for (const char* expected : {"Some classes have abilities that autotrain. These abilities will "
                                     "advance to a minimum skill level, if "
                                     "they are trained to a lesser degree when the character attains the "
                                     "given level. This advancement "
                                     "does not cost any specialization points. ",
                                     "Short:", "Description:", "(use SHIFT to mark all)"})
            QVERIFY2(texts.contains(QString::fromUtf8(expected)), expected);
        QCOMPARE(button("cancel")->text(), QStringLiteral("Cancel"));
        // The description stays German; at level 30 skill 8 is out of reach.
        QCOMPARE(description().front(), QStringLiteral("Sie haben 22 Spezialisierungspunkte gespart"));
        QVERIFY(SaveScreenshot(m_dialog->grab().toImage(), QStringLiteral("autotrain_en")) ||
                ScreenshotDir().isEmpty());
    }

    void theMaskTicksTheBoxesAndTheLevelBoundsThem()
    {
        struct Case {
            std::uint32_t mask;
            int level;
            QList<bool> ticked;
            int highestEnabled;
            const char* shortText;
            std::uint32_t held;
        };
        const Case cases[] = {
            {Bits(0, 3) | Bits(5, 7), 50, ticks({2, 3, 4, 6, 7, 8}), 12, "bis 4,6-8",
             Bits(0, 3) | Bits(5, 7)},
            {0, 48, ticks({}), 12, "no", 0},
            {Bits(0, 11), 47, ticks({2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), 11, "bis 11", Bits(0, 10)},
            {Bits(0, 10), 30, ticks({2, 3, 4, 5, 6, 7}), 7, "bis 7", Bits(0, 6)},
            {1u | (1u << 5), 8, ticks({}), 2, "no", 0},  // above the level: cleared
            {Bits(0, 11), 7, ticks({}), 1, "no", 0},     // no box can be ticked at all
            {1u << 5, 50, ticks({6}), 12, "6", 1u | (1u << 5)},
        };
        for (const Case& c : cases) {
            open(c.mask, c.level);
            QCOMPARE(ticked(), c.ticked);
            for (int skill = 2; skill <= 12; ++skill)
                QCOMPARE(m_dialog->stepBox(skill)->isEnabled(), skill <= c.highestEnabled);
            QCOMPARE(shortText(), QString::fromLatin1(c.shortText));
            QCOMPARE(m_dialog->mask(), c.held);
        }
    }

    void clickingBoxesMakesTheMask()
    {
        open(0, 50);
        QCOMPARE(description(), QStringList{"Sie haben 0 Spezialisierungspunkte gespart"});
        for (const int skill : {2, 3, 4})
            click(skill);
        QCOMPARE(m_dialog->mask(), Bits(0, 3));
        QCOMPARE(shortText(), QStringLiteral("bis 4"));
        QCOMPARE(description(), (QStringList{"Sie haben 9 Spezialisierungspunkte gespart",
                                             QStringLiteral("Bis Level 16 dürfen sie nicht skillen.")}));
        for (const int skill : {2, 3, 4})
            click(skill);
        click(6);
        QCOMPARE(m_dialog->mask(), 1u | (1u << 5));
        QCOMPARE(shortText(), QStringLiteral("6"));
        QCOMPARE(description(),
                 (QStringList{"Sie haben 6 Spezialisierungspunkte gespart",
                              QStringLiteral("Bis Level 24 dürfen sie maximal auf 5 Skillen.")}));
        click(6);
        QCOMPARE(m_dialog->mask(), 0u);
        QCOMPARE(shortText(), QStringLiteral("no"));
    }

    void shiftClickSetsEveryLowerBox()
    {
        open(0, 50);
        click(9, Qt::ShiftModifier);
        QCOMPARE(ticked(), ticks({2, 3, 4, 5, 6, 7, 8, 9}));
        QCOMPARE(shortText(), QStringLiteral("bis 9"));
        QCOMPARE(m_dialog->mask(), Bits(0, 8));
        click(5, Qt::ShiftModifier);  // off, and everything below with it
        QCOMPARE(ticked(), ticks({6, 7, 8, 9}));
        QCOMPARE(shortText(), QStringLiteral("6-9"));
        click(2, Qt::ShiftModifier);  // no lower box
        QCOMPARE(ticked(), ticks({2, 6, 7, 8, 9}));
        click(11);  // without SHIFT only the box itself
        QCOMPARE(ticked(), ticks({2, 6, 7, 8, 9, 11}));
        // The keyboard's space bar with SHIFT marks a range too.
        m_dialog->stepBox(4)->setFocus();
        QTest::keyClick(m_dialog->stepBox(4), Qt::Key_Space, Qt::ShiftModifier);
        QCOMPARE(ticked(), ticks({2, 3, 4, 6, 7, 8, 9, 11}));
    }

    void typedShortTextSetsTheBoxes()
    {
        open(0, 50);
        QLineEdit* field = m_dialog->shortTextField();
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("bis 4, 6-8"));
        QCOMPARE(ticked(), ticks({2, 3, 4, 6, 7, 8}));
        QCOMPARE(m_dialog->mask(), Bits(0, 3) | Bits(5, 7));
        // What was typed stays as typed; the description waits for the field to be left.
        QCOMPARE(shortText(), QStringLiteral("bis 4, 6-8"));
        QCOMPARE(description(), QStringList{"Sie haben 0 Spezialisierungspunkte gespart"});
        m_dialog->stepBox(12)->setFocus();
        QTRY_VERIFY(!field->hasFocus());
        QCOMPARE(shortText(), QStringLiteral("bis 4,6-8"));
        QCOMPARE(description(), (QStringList{"Sie haben 30 Spezialisierungspunkte gespart",
                                             QStringLiteral("Bis Level 16 dürfen sie nicht skillen."),
                                             QStringLiteral("Bis Level 24 dürfen sie maximal auf 5 Skillen."),
                                             QStringLiteral("Bis Level 32 dürfen sie nicht skillen.")}));

        // The dialog's level bounds typed text as well.
        open(0, 20);
        m_dialog->shortTextField()->setFocus();
        m_dialog->shortTextField()->selectAll();
        QTest::keyClicks(m_dialog->shortTextField(), QStringLiteral("3-9"));
        QCOMPARE(ticked(), ticks({3, 4, 5}));
    }

    void okHandsBackTheEditedMaskAndCancelTheOriginal()
    {
        open(Bits(0, 2), 50);
        click(7);
        button("ok")->click();
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_dialog->mask(), Bits(0, 2) | (1u << 6));

        open(Bits(0, 2), 50);
        click(7);
        button("cancel")->click();
        QCOMPARE(m_dialog->result(), int(QDialog::Rejected));
        QCOMPARE(m_dialog->mask(), Bits(0, 2));

        // Return in the short-text field ends the dialog with what was typed.
        open(0, 50);
        QLineEdit* field = m_dialog->shortTextField();
        field->setFocus();
        QTRY_VERIFY(field->hasFocus());
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("10"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(m_dialog->result(), int(QDialog::Accepted));
        QCOMPARE(m_dialog->mask(), 1u | (1u << 9));

        // Skill 1 alone is no step: OK hands back none.
        open(0, 50);
        m_dialog->shortTextField()->setText(QStringLiteral("1"));
        QCOMPARE(m_dialog->mask(), 1u);
        button("ok")->click();
        QCOMPARE(m_dialog->mask(), 0u);
    }
};

QTEST_MAIN(CDlgAutoTrainTest)
#include "CDlgAutoTrainTest.moc"
