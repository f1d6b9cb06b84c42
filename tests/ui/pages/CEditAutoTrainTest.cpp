#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <functional>
#include <memory>

#include "database/CGameDatabase.h"
#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "pages/skills/CDlgAutoTrain.h"
#include "pages/skills/CEditAutoTrain.h"
#include "shell/CAPage.h"
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

// Runs `work` on the dialog the field opens, once it is up.
void WhenDialogOpens(const std::function<void(CDlgAutoTrain*)>& work)
{
    QTimer::singleShot(0, [work] {
        auto* dialog = qobject_cast<CDlgAutoTrain*>(QApplication::activeModalWidget());
        if (!dialog) {
            WhenDialogOpens(work);
            return;
        }
        work(dialog);
    });
}

}  // namespace

class CEditAutoTrainTest : public QObject {
    Q_OBJECT

private:
    CGameDatabase m_database;
    CAppSettings m_settings;
    RecordingPrompt m_prompt;
    std::unique_ptr<CShellContext> m_context;
    std::unique_ptr<QWidget> m_window;
    CEditAutoTrain* m_field = nullptr;
    QLineEdit* m_next = nullptr;

    void makeField(UiLanguage language = UiLanguage::English)
    {
        m_window.reset();
        m_context =
            std::make_unique<CShellContext>(CShellContext{m_database, m_settings, m_prompt, language});
        m_window = std::make_unique<QWidget>();
        auto* layout = new QVBoxLayout(m_window.get());
        m_field = new CEditAutoTrain(m_window.get(), 5103);
        m_field->setShellContext(m_context.get());
        m_field->setRange(0, 12);
        m_next = new QLineEdit(m_window.get());
        layout->addWidget(m_field);
        layout->addWidget(m_next);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_field->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(m_field->editField()->hasFocus());
    }
    QString text() const { return m_field->editField()->text(); }
    void wheel(int delta)
    {
        const QPoint pos = m_field->rect().center();
        QWheelEvent event(QPointF(pos), QPointF(m_field->mapToGlobal(pos)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_field->editField(), &event);
    }

private slots:
    void initTestCase() { QuietUnsupportedPlatformWarnings(); }
    void cleanup() { m_window.reset(); }

    void setMaskShowsTheSummaryAndTellsNoOne()
    {
        makeField();
        QSignalSpy spy(m_field, &CEditAutoTrain::maskChanged);
        struct Case {
            std::uint32_t set;
            int maximum;
            std::uint32_t held;
            const char* shown;
        };
        const Case cases[] = {
            {Bits(0, 3) | Bits(5, 7), 12, Bits(0, 3) | Bits(5, 7), "bis 4,6-8"},
            {0, 12, 0, "no"},
            {1, 12, 0, "no"},  // bit 0 alone takes no step
            {Bits(0, 11) | (1u << 20), 12, Bits(0, 11), "bis 12"},
            {Bits(0, 11), 5, Bits(0, 4), "bis 5"},
            {1u | (1u << 9), 5, 0, "no"},
        };
        for (const Case& c : cases) {
            m_field->setRange(0, c.maximum);
            m_field->setMask(c.set);
            QCOMPARE(m_field->mask(), c.held);
            QCOMPARE(text(), QString::fromLatin1(c.shown));
        }
        QCOMPARE(spy.count(), 0);
        // A lower maximum cuts what the field holds.
        m_field->setRange(0, 12);
        m_field->setMask(Bits(0, 7));
        m_field->setRange(0, 4);
        QCOMPARE(m_field->mask(), Bits(0, 3));
        QCOMPARE(text(), QStringLiteral("bis 4"));
        m_field->setRange(0, 12);
        m_field->setMask(Bits(0, 3) | Bits(5, 7));
        m_field->resize(96, m_field->sizeHint().height());
        QVERIFY(SaveScreenshot(m_field->grab().toImage(), QStringLiteral("autotrain_field")) ||
                ScreenshotDir().isEmpty());
    }

    void arrowKeysAndTheWheelSpin()
    {
        makeField();
        QSignalSpy spy(m_field, &CEditAutoTrain::maskChanged);
        QTest::keyClick(m_field->editField(), Qt::Key_Up);
        QCOMPARE(m_field->mask(), Bits(0, 1));
        QCOMPARE(text(), QStringLiteral("bis 2"));
        QTest::keyClick(m_field->editField(), Qt::Key_Up);
        QCOMPARE(m_field->mask(), Bits(0, 2));
        QCOMPARE(spy.count(), 2);
        QCOMPARE(spy.at(1).at(0).toInt(), 5103);
        QCOMPARE(spy.at(1).at(1).value<std::uint32_t>(), Bits(0, 2));
        QTest::keyClick(m_field->editField(), Qt::Key_Down);
        QTest::keyClick(m_field->editField(), Qt::Key_Down);  // two steps to none: skill 1 is skipped
        QCOMPARE(m_field->mask(), 0u);
        QCOMPARE(text(), QStringLiteral("no"));
        QCOMPARE(spy.count(), 4);
        QTest::keyClick(m_field->editField(), Qt::Key_Down);  // nothing below none
        QCOMPARE(spy.count(), 4);

        wheel(120);
        QCOMPARE(m_field->mask(), Bits(0, 1));
        wheel(240);
        QCOMPARE(m_field->mask(), Bits(0, 3));
        wheel(60);  // half a notch does nothing yet
        QCOMPARE(m_field->mask(), Bits(0, 3));
        wheel(60);
        QCOMPARE(m_field->mask(), Bits(0, 4));
        wheel(-120 * 20);
        QCOMPARE(m_field->mask(), 0u);

        // Spinning keeps within the range.
        m_field->setRange(3, 6);
        m_field->setMask(0);
        QTest::keyClick(m_field->editField(), Qt::Key_Up);
        QCOMPARE(m_field->mask(), Bits(0, 2));
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(m_field->editField(), Qt::Key_Up);
        QCOMPARE(m_field->mask(), Bits(0, 5));
    }

    void typingIsTakenWhenEditingFinishes()
    {
        makeField();
        QSignalSpy spy(m_field, &CEditAutoTrain::maskChanged);
        QLineEdit* edit = m_field->editField();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("bis 4, 6-8"));
        // Nothing is read (and the text is not rewritten) while typing.
        QCOMPARE(spy.count(), 0);
        QCOMPARE(edit->text(), QStringLiteral("bis 4, 6-8"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(m_field->mask(), Bits(0, 3) | Bits(5, 7));
        QCOMPARE(edit->text(), QStringLiteral("bis 4,6-8"));

        // Leaving the field takes the text as well; Tab moves to the next control.
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("12"));
        QTest::keyClick(edit, Qt::Key_Tab);
        QTRY_VERIFY(m_next->hasFocus());
        QCOMPARE(spy.count(), 2);
        QCOMPARE(m_field->mask(), 1u | (1u << 11));
        QCOMPARE(edit->text(), QStringLiteral("12"));

        // Text that reads as the same mask tells no one.
        m_field->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral(" 12 ;"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(spy.count(), 2);
        QCOMPARE(edit->text(), QStringLiteral("12"));

        // Escape gives up what was typed.
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("3"));
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(edit->text(), QStringLiteral("12"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(spy.count(), 2);

        // Unreadable text is no step at all.
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("abc"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(m_field->mask(), 0u);
        QCOMPARE(edit->text(), QStringLiteral("no"));

        // A spin takes typed text first.
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("6"));
        QTest::keyClick(edit, Qt::Key_Up);
        QCOMPARE(m_field->mask(), Bits(0, 6));
        QCOMPARE(spy.count(), 5);
        QCOMPARE(spy.at(3).at(1).value<std::uint32_t>(), 1u | (1u << 5));
    }

    void typedTextIsCutToTheMaximum()
    {
        makeField();
        m_field->setRange(0, 6);
        QLineEdit* edit = m_field->editField();
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("bis 12"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(m_field->mask(), Bits(0, 5));
        edit->selectAll();
        QTest::keyClicks(edit, QStringLiteral("1"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(m_field->mask(), 0u);
    }

    void theButtonOpensTheDialogAndOkTakesItsMask()
    {
        makeField();
        m_field->setMask(Bits(0, 2));
        QSignalSpy spy(m_field, &CEditAutoTrain::maskChanged);
        QVERIFY(m_field->dialogButton()->isEnabled());
        QCOMPARE(m_field->dialogButton()->focusPolicy(), Qt::NoFocus);
        int level = 0;
        std::uint32_t opened = 0;
        WhenDialogOpens([&](CDlgAutoTrain* dialog) {
            level = dialog->characterLevel();
            opened = dialog->mask();
            QTest::mouseClick(dialog->stepBox(9), Qt::LeftButton);
            dialog->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
        QTest::mouseClick(m_field->dialogButton(), Qt::LeftButton);
        QCOMPARE(level, 48);  // 4 x the maximum: no box is disabled
        QCOMPARE(opened, Bits(0, 2));
        QCOMPARE(m_field->mask(), Bits(0, 2) | (1u << 8));
        QCOMPARE(text(), QStringLiteral("bis 3,9"));
        QCOMPARE(spy.count(), 1);
        QCOMPARE(m_window->focusWidget(), m_field->editField());

        // Cancel leaves the field as it was.
        WhenDialogOpens([](CDlgAutoTrain* dialog) {
            QTest::mouseClick(dialog->stepBox(2), Qt::LeftButton);
            dialog->findChild<QPushButton*>(QStringLiteral("cancel"))->click();
        });
        QTest::mouseClick(m_field->dialogButton(), Qt::LeftButton);
        QCOMPARE(m_field->mask(), Bits(0, 2) | (1u << 8));
        QCOMPARE(spy.count(), 1);
    }

    void keysOpenTheDialog()
    {
        makeField();
        m_field->setRange(0, 10);
        for (const auto& [key, modifiers] :
             {std::pair{Qt::Key_F4, Qt::NoModifier}, std::pair{Qt::Key_Down, Qt::AltModifier}}) {
            int level = 0;
            WhenDialogOpens([&level](CDlgAutoTrain* dialog) {
                level = dialog->characterLevel();
                dialog->reject();
            });
            QTest::keyClick(m_field->editField(), key, modifiers);
            QCOMPARE(level, 40);
            QCOMPARE(m_field->mask(), 0u);
        }
    }

    void theDialogTakesTheContextOfThePageAndItsLanguage()
    {
        m_context = std::make_unique<CShellContext>(
            CShellContext{m_database, m_settings, m_prompt, UiLanguage::German});
        CQuillmarDoc document(m_database, m_settings);
        CAPage page(*m_context, document, nullptr);
        auto* inner = new QWidget(&page);
        auto* field = new CEditAutoTrain(inner, 1);
        QVERIFY(field->dialogButton()->isEnabled());
        QString title;
        QString cancel;
        WhenDialogOpens([&](CDlgAutoTrain* dialog) {
            title = dialog->windowTitle();
            cancel = dialog->findChild<QPushButton*>(QStringLiteral("cancel"))->text();
            dialog->reject();
        });
        page.show();
        field->openDialog();
        QCOMPARE(title, QStringLiteral("Autotrain"));
        QCOMPARE(cancel, QStringLiteral("Abbrechen"));
        QCOMPARE(field->dialogButton()->toolTip(), QStringLiteral("Autotrain-Stufen wählen (F4)"));

        // Without a shell there are no dialog texts: the button stays off.
        CEditAutoTrain alone(nullptr, 2);
        QVERIFY(!alone.dialogButton()->isEnabled());
        alone.openDialog();
        QCOMPARE(alone.mask(), 0u);
    }
};

QTEST_MAIN(CEditAutoTrainTest)
#include "CEditAutoTrainTest.moc"
