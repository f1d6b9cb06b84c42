#include "controls/CNumEdit.h"
#include "ControlTestSupport.h"
#include "controls/CButtonAutoRepeat.h"
#include "controls/CEditKeyResponse.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

#include <climits>

using namespace control_test;

class CNumEditTest : public QObject {
    Q_OBJECT
private slots:
    void setValueClamps_data();
    void setValueClamps();
    void narrowedRangeKeepsTheShownValue();
    void typedNumberThenStep_data();
    void typedNumberThenStep();
    void parseTypedNumber_data();
    void parseTypedNumber();
    void buttonsStepByOne();
    void heldPlusStepsAtThePaceAndStopsAtTheMaximum();
    void layoutPutsSquaresAtBothEnds_data();
    void layoutPutsSquaresAtBothEnds();
    void keyboardOnly();
    void backgroundColour();
};

void CNumEditTest::setValueClamps_data()
{
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("changed");
    QTest::newRow("inside") << 1 << 50 << 10 << 20 << 20 << true;
    QTest::newRow("same value") << 1 << 50 << 10 << 10 << 10 << false;
    QTest::newRow("above") << 1 << 50 << 10 << 99 << 50 << true;
    QTest::newRow("below") << 1 << 50 << 10 << -4 << 1 << true;
    QTest::newRow("clamped onto current") << 1 << 50 << 50 << 70 << 50 << false;
    QTest::newRow("negative range") << -10 << -2 << -5 << 0 << -2 << true;
    QTest::newRow("inverted range: minimum wins") << 5 << 3 << 5 << 0 << 5 << false;
    QTest::newRow("inverted range from above") << 5 << 3 << 5 << 10 << 5 << false;
    QTest::newRow("int extremes") << INT_MIN << INT_MAX << 0 << INT_MIN << INT_MIN << true;
}

void CNumEditTest::setValueClamps()
{
    QFETCH(int, minimum);
    QFETCH(int, maximum);
    QFETCH(int, start);
    QFETCH(int, set);
    QFETCH(int, expected);
    QFETCH(bool, changed);
    CNumEdit edit;
    edit.setRange(INT_MIN, INT_MAX);
    edit.setValue(start);
    edit.setRange(minimum, maximum);
    QSignalSpy spy(&edit, &CNumEdit::valueChanged);
    QCOMPARE(edit.setValue(set), changed);
    QCOMPARE(edit.value(), expected);
    QCOMPARE(edit.editField()->text(), QString::number(expected));
    QCOMPARE(spy.count(), 0);  // the owner's own change is not reported back
}

void CNumEditTest::narrowedRangeKeepsTheShownValue()
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

void CNumEditTest::typedNumberThenStep_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("reported");
    // Range 1..5 throughout.
    QTest::newRow("typed 7, plus: clamped twice to 5") << 3 << "7" << int(Qt::Key_Plus) << 5 << true;
    QTest::newRow("typed 7 over a 5, plus: no change") << 5 << "7" << int(Qt::Key_Plus) << 5 << false;
    QTest::newRow("typed 2, plus") << 4 << "2" << int(Qt::Key_Plus) << 3 << true;
    QTest::newRow("typed 2, minus") << 4 << "2" << int(Qt::Key_Minus) << 1 << true;
    QTest::newRow("typed text, plus: 0 + 1 is the minimum") << 4 << "abc" << int(Qt::Key_Plus) << 1 << true;
    QTest::newRow("typed leading digits") << 1 << "4 Punkte" << int(Qt::Key_Minus) << 3 << true;
    QTest::newRow("nothing typed, plus") << 2 << "" << int(Qt::Key_Plus) << 3 << true;
    QTest::newRow("nothing typed, minus at the minimum") << 1 << "" << int(Qt::Key_Minus) << 1 << false;
    QTest::newRow("typed, then Return") << 2 << "4" << int(Qt::Key_Return) << 4 << true;
    QTest::newRow("typed too much, then Return") << 2 << "40" << int(Qt::Key_Return) << 5 << true;
}

void CNumEditTest::typedNumberThenStep()
{
    QFETCH(int, value);
    QFETCH(QString, typed);
    QFETCH(int, key);
    QFETCH(int, expected);
    QFETCH(bool, reported);
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
    QCOMPARE(spy.count(), reported ? 1 : 0);
    if (reported) {
        QCOMPARE(spy.at(0).at(0).toInt(), 5003);
        QCOMPARE(spy.at(0).at(1).toInt(), expected);
    }
}

void CNumEditTest::parseTypedNumber_data()
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

void CNumEditTest::parseTypedNumber()
{
    QFETCH(QString, text);
    QFETCH(int, number);
    QCOMPARE(CNumEdit::parseTypedNumber(text), number);
}

void CNumEditTest::buttonsStepByOne()
{
    CNumEdit edit;
    edit.resize(100, 24);
    edit.setRange(0, 2);
    edit.setValue(1);
    QSignalSpy spy(&edit, &CNumEdit::valueChanged);
    QTest::mouseClick(edit.plusButton(), Qt::LeftButton);
    QCOMPARE(edit.value(), 2);
    QTest::mouseClick(edit.plusButton(), Qt::LeftButton);  // at the maximum: nothing reported
    QCOMPARE(edit.value(), 2);
    QTest::mouseClick(edit.minusButton(), Qt::LeftButton);
    QTest::mouseClick(edit.minusButton(), Qt::LeftButton);
    QTest::mouseClick(edit.minusButton(), Qt::LeftButton);
    QCOMPARE(edit.value(), 0);
    QList<int> values;
    for (const auto& args : spy)
        values << args.at(1).toInt();
    QCOMPARE(values, (QList<int>{2, 1, 0}));
}

// Held 1.2 s from 0 with the maximum 6: steps at 0, 500, 600 … 900 ms, then nothing.
void CNumEditTest::heldPlusStepsAtThePaceAndStopsAtTheMaximum()
{
    CNumEdit edit;
    edit.resize(100, 24);
    edit.setRange(0, 6);
    edit.setValue(0);
    QElapsedTimer clock;
    QList<qint64> stamps;
    QList<int> values;
    connect(&edit, &CNumEdit::valueChanged, this, [&](int, int v) {
        stamps << clock.elapsed();
        values << v;
    });
    clock.start();
    press(edit.plusButton(), {12, 12});
    QTest::qWait(1200);
    release(edit.plusButton(), {12, 12});
    QCOMPARE(values, (QList<int>{1, 2, 3, 4, 5, 6}));
    QVERIFY(stamps[0] < 50);
    QVERIFY2(stamps[1] >= 490 && stamps[1] < 650, qPrintable(QString::number(stamps[1])));
    for (int i = 2; i < stamps.size(); ++i)
        QVERIFY2(stamps[i] - stamps[i - 1] >= 90 && stamps[i] - stamps[i - 1] < 200,
                 qPrintable(QString::number(stamps[i] - stamps[i - 1])));
    QVERIFY(edit.plusButton()->repeatCount() >= 7);  // the button went on; the field did not
}

void CNumEditTest::layoutPutsSquaresAtBothEnds_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("minus");
    QTest::addColumn<QRect>("field");
    QTest::addColumn<QRect>("plus");
    QTest::newRow("wide") << QSize(120, 24) << QRect(0, 0, 24, 24) << QRect(24, 0, 72, 24)
                          << QRect(96, 0, 24, 24);
    QTest::newRow("tall") << QSize(90, 30) << QRect(0, 0, 30, 30) << QRect(30, 0, 30, 30)
                          << QRect(60, 0, 30, 30);
    QTest::newRow("narrower than two squares")
        << QSize(30, 24) << QRect(0, 0, 15, 24) << QRect(15, 0, 0, 24) << QRect(15, 0, 15, 24);
}

void CNumEditTest::layoutPutsSquaresAtBothEnds()
{
    QFETCH(QSize, size);
    QFETCH(QRect, minus);
    QFETCH(QRect, field);
    QFETCH(QRect, plus);
    QWidget host;
    auto* edit = new CNumEdit(&host);
    edit->setGeometry(QRect(QPoint(5, 5), size));
    host.show();
    QCOMPARE(edit->minusButton()->geometry(), minus);
    QCOMPARE(edit->editField()->geometry(), field);
    QCOMPARE(edit->plusButton()->geometry(), plus);
}

void CNumEditTest::keyboardOnly()
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

    // Focus given to the control lands in its field with all text selected.
    edits[1]->setFocus();
    QCOMPARE(QApplication::focusWidget(), edits[1]->editField());
    QCOMPARE(edits[1]->editField()->selectedText(), QStringLiteral("20"));

    // Arrows move between the fields; the buttons are not in the way.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), edits[2]->editField());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(QApplication::focusWidget(), edits[0]->editField());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), edits[1]->editField());
    QCOMPARE(edits[1]->editField()->selectedText(), QStringLiteral("20"));

    // Typing over the selection and leaving the field takes the number and reports it.
    QSignalSpy spy(edits[1], &CNumEdit::valueChanged);
    QTest::keyClicks(edits[1]->editField(), QStringLiteral("33"));
    QCOMPARE(spy.count(), 0);
    QTest::keyClick(edits[1]->editField(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), edits[2]->editField());
    QCOMPARE(edits[1]->value(), 33);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 5001);
    QCOMPARE(spy.at(0).at(1).toInt(), 33);

    // Too much typed is clamped on leaving, and the field shows what was kept.
    QTest::keyClicks(edits[2]->editField(), QStringLiteral("99"));
    QTest::keyClick(edits[2]->editField(), Qt::Key_Backtab);
    QCOMPARE(edits[2]->value(), 40);
    QCOMPARE(edits[2]->editField()->text(), QStringLiteral("40"));

    // Leaving without typing changes nothing, even with a value above a narrowed range.
    edits[1]->setRange(0, 5);
    QSignalSpy quiet(edits[1], &CNumEdit::valueChanged);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(edits[1]->value(), 33);
    QCOMPARE(quiet.count(), 0);
}

void CNumEditTest::backgroundColour()
{
    CNumEdit edit;
    const QColor systemBase = QApplication::palette(edit.editField()).color(QPalette::Base);
    QCOMPARE(edit.backgroundColor(), systemBase);
    const QColor plan(192, 255, 192);
    edit.setBackgroundColor(plan);
    QCOMPARE(edit.editField()->palette().color(QPalette::Active, QPalette::Base), plan);
    QCOMPARE(edit.editField()->palette().color(QPalette::Inactive, QPalette::Base), plan);
    edit.resize(120, 24);
    const QImage shot = edit.grab().toImage();
    QCOMPARE(QColor(shot.pixel(36, 12)), plan);  // inside the field, left of the centred digits
    edit.resetColors();
    QCOMPARE(edit.editField()->palette().color(QPalette::Active, QPalette::Base), systemBase);

    // The default follows a change of the system colours (children learn of it from the
    // event loop); a colour the owner set stays.
    QWidget host;
    auto* child = new CNumEdit(&host);
    auto* planned = new CNumEdit(&host);
    planned->setBackgroundColor(plan);
    const QPalette saved = QApplication::palette();
    QPalette changed = saved;
    changed.setColor(QPalette::Base, QColor(250, 250, 230));
    QApplication::setPalette(changed);
    QTRY_COMPARE(child->editField()->palette().color(QPalette::Active, QPalette::Base),
                 QColor(250, 250, 230));
    QCOMPARE(planned->editField()->palette().color(QPalette::Active, QPalette::Base), plan);
    QApplication::setPalette(saved);
    QTRY_COMPARE(child->editField()->palette().color(QPalette::Active, QPalette::Base), systemBase);
}

QTEST_MAIN(CNumEditTest)
#include "CNumEditTest.moc"
