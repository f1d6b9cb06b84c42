#include "controls/CEditKeyResponse.h"
#include "ControlTestSupport.h"

#include <QSignalSpy>
#include <QtTest>

using namespace control_test;

class CEditKeyResponseTest : public QObject {
    Q_OBJECT
private slots:
    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("code");  // 0: not reported
        QTest::addColumn<QString>("fieldAfter");
        // The field starts as "12" with the cursor at the end.
        QTest::newRow("plus") << int(Qt::Key_Plus) << "+" << 0 << 6001 << "12";
        QTest::newRow("minus") << int(Qt::Key_Minus) << "-" << 0 << 6002 << "12";
        QTest::newRow("keypad plus") << int(Qt::Key_Plus) << "+" << int(Qt::KeypadModifier) << 6001 << "12";
        QTest::newRow("keypad minus") << int(Qt::Key_Minus) << "-" << int(Qt::KeypadModifier) << 6002 << "12";
        QTest::newRow("plus typed with shift")
            << int(Qt::Key_Plus) << "+" << int(Qt::ShiftModifier) << 6001 << "12";
        QTest::newRow("up arrow") << int(Qt::Key_Up) << "" << 0 << 6003 << "12";
        QTest::newRow("down arrow") << int(Qt::Key_Down) << "" << 0 << 6004 << "12";
        QTest::newRow("digit is typed") << int(Qt::Key_3) << "3" << 0 << 0 << "123";
        QTest::newRow("letter is typed") << int(Qt::Key_A) << "a" << 0 << 0 << "12a";
        QTest::newRow("backspace edits") << int(Qt::Key_Backspace) << "" << 0 << 0 << "1";
        QTest::newRow("left arrow is the field's") << int(Qt::Key_Left) << "" << 0 << 0 << "12";
        QTest::newRow("ctrl+minus is no step")
            << int(Qt::Key_Minus) << "-" << int(Qt::ControlModifier) << 0 << "12";
    }
    void keys()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, modifiers);
        QFETCH(int, code);
        QFETCH(QString, fieldAfter);
        CEditKeyResponse edit;
        edit.setControlId(77);
        edit.setText(QStringLiteral("12"));
        QSignalSpy spy(&edit, &CEditKeyResponse::keyCommand);
        QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
        QApplication::sendEvent(&edit, &press);
        QCOMPARE(edit.text(), fieldAfter);
        QCOMPARE(spy.count(), code ? 1 : 0);
        if (code) {
            QCOMPARE(spy.at(0).at(0).toInt(), 77);
            QCOMPARE(spy.at(0).at(1).toInt(), code);
            QVERIFY(press.isAccepted());
        }
    }

    void doubleClickIsReported()
    {
        CEditKeyResponse edit;
        edit.setControlId(9);
        edit.resize(80, 24);
        edit.setText(QStringLiteral("word"));
        QSignalSpy spy(&edit, &CEditKeyResponse::doubleClicked);
        press(&edit, {20, 12});
        release(&edit, {20, 12});
        QCOMPARE(spy.count(), 0);
        doubleClick(&edit, {20, 12});
        release(&edit, {20, 12});
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.at(0).at(0).toInt(), 9);
        QCOMPARE(edit.selectedText(), QStringLiteral("word"));  // the field's own handling still runs
    }
};

QTEST_MAIN(CEditKeyResponseTest)
#include "CEditKeyResponseTest.moc"
