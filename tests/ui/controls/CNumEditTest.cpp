#include "controls/CNumEdit.h"
#include "ControlTestSupport.h"
#include "controls/CButtonAutoRepeat.h"
#include "controls/CEditKeyResponse.h"

#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include <climits>

using namespace control_test;

class CNumEditTest : public QObject {
    Q_OBJECT
private slots:
    void setValueClamps_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("expected");
        QTest::newRow("inside") << 1 << 50 << 10 << 20 << 20;
        QTest::newRow("same value") << 1 << 50 << 10 << 10 << 10;
        QTest::newRow("above") << 1 << 50 << 10 << 99 << 50;
        QTest::newRow("below") << 1 << 50 << 10 << -4 << 1;
        QTest::newRow("clamped onto current") << 1 << 50 << 50 << 70 << 50;
        QTest::newRow("negative range") << -10 << -2 << -5 << 0 << -2;
        QTest::newRow("inverted range: minimum wins") << 5 << 3 << 5 << 0 << 5;
        QTest::newRow("inverted range from above") << 5 << 3 << 5 << 10 << 5;
        QTest::newRow("int extremes") << INT_MIN << INT_MAX << 0 << INT_MIN << INT_MIN;
    }
    void setValueClamps()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, start);
        QFETCH(int, set);
        QFETCH(int, expected);
        CNumEdit edit;
        edit.setRange(INT_MIN, INT_MAX);
        edit.setValue(start);
        edit.setRange(minimum, maximum);
        QSignalSpy spy(&edit, &CNumEdit::valueChanged);
        QCOMPARE(edit.setValue(set), expected != start);
        QCOMPARE(edit.value(), expected);
        QCOMPARE(edit.editField()->text(), QString::number(expected));
        QCOMPARE(spy.count(), 0);  // the owner's own change is not reported back
    }

    void narrowedRangeKeepsTheShownValue()
    {
        CNumEdit edit;
        edit.setRange(0, 10);
        edit.setValue(8);
        edit.setRange(1, 5);
        QCOMPARE(edit.value(), 8);
        QCOMPARE(edit.editField()->text(), QStringLiteral("8"));

        // Widening again rewrites the field, dropping half-typed text.
        edit.editField()->setText(QStringLiteral("3x"));
        edit.editField()->setModified(true);
        edit.setRange(0, 5);  // 8 still above the maximum: the typed text stays
        QCOMPARE(edit.editField()->text(), QStringLiteral("3x"));
        edit.editField()->setModified(false);
        edit.setRange(0, 20);
        QCOMPARE(edit.editField()->text(), QStringLiteral("8"));

        // The next step brings the value into the range.
        edit.setRange(1, 5);
        QSignalSpy spy(&edit, &CNumEdit::valueChanged);
        edit.step(+1);
        QCOMPARE(edit.value(), 5);
        QCOMPARE(spy.count(), 1);
    }

    void typedNumberThenStep_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        // Range 1..5 throughout; a change is reported, no change is not.
        QTest::newRow("typed 7, plus: clamped twice to 5") << 3 << "7" << int(Qt::Key_Plus) << 5;
        QTest::newRow("typed 7 over a 5, plus: no change") << 5 << "7" << int(Qt::Key_Plus) << 5;
        QTest::newRow("typed 2, plus") << 4 << "2" << int(Qt::Key_Plus) << 3;
        QTest::newRow("typed 2, minus") << 4 << "2" << int(Qt::Key_Minus) << 1;
        QTest::newRow("typed text, plus: 0 + 1 is the minimum") << 4 << "abc" << int(Qt::Key_Plus) << 1;
        QTest::newRow("typed leading digits") << 1 << "4 Punkte" << int(Qt::Key_Minus) << 3;
        QTest::newRow("nothing typed, plus") << 2 << "" << int(Qt::Key_Plus) << 3;
        QTest::newRow("nothing typed, minus at the minimum") << 1 << "" << int(Qt::Key_Minus) << 1;
        QTest::newRow("typed, then Return") << 2 << "4" << int(Qt::Key_Return) << 4;
        QTest::newRow("typed too much, then Return") << 2 << "40" << int(Qt::Key_Return) << 5;
    }
    void typedNumberThenStep()
    {
        QFETCH(int, value);
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(int, expected);
        CNumEdit edit;
        edit.setControlId(5003);
        edit.setRange(1, 5);
        edit.setValue(value);
        QSignalSpy spy(&edit, &CNumEdit::valueChanged);
        CEditKeyResponse* field = edit.editField();
        if (!typed.isEmpty()) {
            field->selectAll();
            QTest::keyClicks(field, typed);
            QCOMPARE(field->text(), typed);
        }
        QTest::keyClick(field, Qt::Key(key));
        QCOMPARE(edit.value(), expected);
        QCOMPARE(field->text(), QString::number(expected));  // "+" and "-" are never typed
        QCOMPARE(spy.count(), expected != value ? 1 : 0);
        if (!spy.isEmpty())
            QCOMPARE(spy.at(0), (QList<QVariant>{5003, expected}));
    }

    void parseTypedNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("number");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("digits") << "17" << 17;
        QTest::newRow("blanks and trailing text") << "  12abc" << 12;
        QTest::newRow("negative") << "-3" << -3;
        QTest::newRow("explicit plus") << "+4" << 4;
        QTest::newRow("sign only") << "-" << 0;
        QTest::newRow("no leading digits") << "x12" << 0;
        QTest::newRow("digits after a blank stop") << "1 2" << 1;
        QTest::newRow("too large saturates") << "99999999999999999999" << INT_MAX;
        QTest::newRow("too small saturates") << "-99999999999999999999" << INT_MIN;
        QTest::newRow("int min exactly") << "-2147483648" << INT_MIN;
        QTest::newRow("non-ascii digits are not digits") << QString::fromUtf8("\xEF\xBC\x91") << 0;
    }
    void parseTypedNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, number);
        QCOMPARE(CNumEdit::parseTypedNumber(text), number);
    }

    // Each press steps once; a held plus repeats, and stops changing at the maximum.
    void buttonsStepAndRepeatWithinTheRange()
    {
        CNumEdit edit;
        edit.resize(100, 24);
        edit.setRange(0, 2);
        edit.setValue(1);
        QList<int> values;
        connect(&edit, &CNumEdit::valueChanged, this, [&](int, int v) { values << v; });
        for (auto* button : {edit.plusButton(), edit.plusButton(), edit.minusButton(), edit.minusButton(),
                             edit.minusButton()})
            QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(values, (QList<int>{2, 1, 0}));  // at either end nothing is reported

        values.clear();
        edit.setRange(0, 6);
        edit.plusButton()->setRepeatDelays(30, 10);
        press(edit.plusButton(), {12, 12});
        QTRY_VERIFY_WITH_TIMEOUT(edit.plusButton()->repeatCount() >= 8, 2000);
        release(edit.plusButton(), {12, 12});
        QCOMPARE(values, (QList<int>{1, 2, 3, 4, 5, 6}));
        QCOMPARE(edit.editField()->text(), QStringLiteral("6"));
    }

    // Squares at both ends and the field between; narrower than two squares, no field.
    void layoutPutsSquaresAtBothEnds_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("side");
        QTest::newRow("wide") << QSize(120, 24) << 24;
        QTest::newRow("tall") << QSize(90, 30) << 30;
        QTest::newRow("narrower than two squares") << QSize(30, 24) << 15;
    }
    void layoutPutsSquaresAtBothEnds()
    {
        QFETCH(QSize, size);
        QFETCH(int, side);
        QWidget host;
        auto* edit = new CNumEdit(&host);
        edit->setGeometry(QRect(QPoint(5, 5), size));
        host.show();
        const int w = size.width(), h = size.height();
        QCOMPARE(edit->minusButton()->geometry(), QRect(0, 0, side, h));
        QCOMPARE(edit->editField()->geometry(), QRect(side, 0, w - 2 * side, h));
        QCOMPARE(edit->plusButton()->geometry(), QRect(w - side, 0, side, h));
    }

    void keyboardOnly()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        CNumEdit* edits[3];
        for (int i = 0; i < 3; ++i) {
            edits[i] = new CNumEdit(&window);
            edits[i]->setControlId(5000 + i);
            edits[i]->setRange(0, 40);
            edits[i]->setValue(10 * (i + 1));
            layout->addWidget(edits[i]);
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto key = [&](Qt::Key k, int focusAfter) {
            QTest::keyClick(QApplication::focusWidget(), k);
            QCOMPARE(QApplication::focusWidget(), edits[focusAfter]->editField());
        };

        // Focus given to the control lands in its field with all text selected.
        edits[1]->setFocus();
        QCOMPARE(QApplication::focusWidget(), edits[1]->editField());
        QCOMPARE(edits[1]->editField()->selectedText(), QStringLiteral("20"));
        // Arrows and Tab move between the fields; the buttons are not in the way.
        key(Qt::Key_Down, 2);
        key(Qt::Key_Up, 1);
        key(Qt::Key_Up, 0);
        key(Qt::Key_Tab, 1);
        QCOMPARE(edits[1]->editField()->selectedText(), QStringLiteral("20"));

        // Typing over the selection and leaving the field takes the number and reports it.
        QSignalSpy spy(edits[1], &CNumEdit::valueChanged);
        QTest::keyClicks(edits[1]->editField(), QStringLiteral("33"));
        QCOMPARE(spy.count(), 0);
        key(Qt::Key_Tab, 2);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0), (QList<QVariant>{5001, 33}));
        // Too much typed is clamped on leaving, and the field shows what was kept.
        QTest::keyClicks(edits[2]->editField(), QStringLiteral("99"));
        key(Qt::Key_Backtab, 1);
        QCOMPARE(edits[2]->editField()->text(), QStringLiteral("40"));
        // Leaving without typing changes nothing, even with a value above a narrowed range.
        edits[1]->setRange(0, 5);
        key(Qt::Key_Tab, 2);
        QCOMPARE(edits[1]->value(), 33);
        QCOMPARE(spy.count(), 1);
    }

    void backgroundColour()
    {
        const QColor plan(192, 255, 192);
        CNumEdit edit;
        const QColor systemBase = QApplication::palette(edit.editField()).color(QPalette::Base);
        edit.setBackgroundColor(plan);
        edit.resize(120, 24);
        QCOMPARE(QColor(edit.grab().toImage().pixel(36, 12)), plan);  // in the field, left of the digits
        QCOMPARE(edit.editField()->palette().color(QPalette::Inactive, QPalette::Base), plan);
        edit.resetColors();
        QCOMPARE(QColor(edit.grab().toImage().pixel(36, 12)), systemBase);

        // The default follows a change of the system colours (children learn of it from the
        // event loop); a colour the owner set stays.
        QWidget host;
        auto* child = new CNumEdit(&host);
        auto* planned = new CNumEdit(&host);
        planned->setBackgroundColor(plan);
        PaletteGuard guard;
        QPalette changed = guard.saved;
        changed.setColor(QPalette::Base, QColor(250, 250, 230));
        QApplication::setPalette(changed);
        QTRY_COMPARE(child->editField()->palette().color(QPalette::Active, QPalette::Base),
                     QColor(250, 250, 230));
        QCOMPARE(planned->editField()->palette().color(QPalette::Active, QPalette::Base), plan);
    }
};

QTEST_MAIN(CNumEditTest)
#include "CNumEditTest.moc"
