#include "controls/CEditColor.h"
#include "ControlTestSupport.h"

#include <QtTest>

using namespace control_test;

class CEditColorTest : public QObject {
    Q_OBJECT
private slots:
    void colours_data();
    void colours();
    void defaultFollowsReadOnly();
};

namespace {
QColor system(const QWidget* w, QPalette::ColorRole role)
{
    return QApplication::palette(w).color(QPalette::Active, role);
}
// A pixel of the background near the right end, clear of the frame and the text.
QColor shownBackground(CEditColor& edit)
{
    edit.resize(120, 26);
    const QImage shot = edit.grab().toImage();
    return QColor(shot.pixel(shot.width() - 12, shot.height() / 2));
}
}  // namespace

void CEditColorTest::colours_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QColor>("text");                 // invalid: not set
    QTest::addColumn<QColor>("background");           // invalid: not set
    QTest::addColumn<int>("expectedBackgroundRole");  // used when background is not set
    QTest::newRow("editable default") << false << QColor() << QColor() << int(QPalette::Base);
    QTest::newRow("read-only default") << true << QColor() << QColor() << int(QPalette::Button);
    QTest::newRow("read-only, own background") << true << QColor() << QColor(255, 0, 0) << 0;
    QTest::newRow("editable, own colours") << false << QColor(0, 0, 200) << QColor(192, 255, 192) << 0;
    QTest::newRow("read-only, own text only")
        << true << QColor(0, 128, 0) << QColor() << int(QPalette::Button);
}

void CEditColorTest::colours()
{
    QFETCH(bool, readOnly);
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    QFETCH(int, expectedBackgroundRole);
    CEditColor edit;
    edit.setReadOnly(readOnly);
    edit.setText(QStringLiteral("123"));
    if (text.isValid())
        edit.setTextColor(text);
    if (background.isValid())
        edit.setBackgroundColor(background);

    const QColor wantText = text.isValid() ? text : system(&edit, QPalette::WindowText);
    const QColor wantBack =
        background.isValid() ? background : system(&edit, QPalette::ColorRole(expectedBackgroundRole));
    QCOMPARE(edit.textColor(), wantText);
    QCOMPARE(edit.backgroundColor(), wantBack);
    QCOMPARE(edit.palette().color(QPalette::Text), wantText);
    QCOMPARE(shownBackground(edit), wantBack);

    // The text is painted in the text colour.
    edit.setTextColor(QColor(250, 0, 250));
    edit.setText(QStringLiteral("MMMM"));
    QVERIFY(countPixels(edit.grab().toImage(), QColor(250, 0, 250)) > 5);

    edit.resetColors();
    QCOMPARE(edit.backgroundColor(), system(&edit, readOnly ? QPalette::Button : QPalette::Base));
    QCOMPARE(edit.textColor(), system(&edit, QPalette::WindowText));
}

void CEditColorTest::defaultFollowsReadOnly()
{
    // Made before the system colours change, as a child like on a page: it must follow them.
    QWidget host;
    CEditColor& edit = *new CEditColor(&host);
    const QPalette saved = QApplication::palette();
    QPalette distinct = saved;
    distinct.setColor(QPalette::Button, QColor(200, 200, 180));
    distinct.setColor(QPalette::Base, QColor(255, 255, 250));
    QApplication::setPalette(distinct);

    QTRY_COMPARE(shownBackground(edit), QColor(255, 255, 250));
    edit.setReadOnly(true);
    QCOMPARE(shownBackground(edit), QColor(200, 200, 180));
    edit.setReadOnly(false);
    QCOMPARE(shownBackground(edit), QColor(255, 255, 250));

    // A colour the owner set survives the switch.
    edit.setBackgroundColor(QColor(10, 20, 30));
    edit.setReadOnly(true);
    QCOMPARE(shownBackground(edit), QColor(10, 20, 30));
    QApplication::setPalette(saved);
}

QTEST_MAIN(CEditColorTest)
#include "CEditColorTest.moc"
