// Two-way selection button: each click flips between "selected" and "not selected".
#pragma once

#include <QAbstractButton>

// The state shows as an arrow bending right (selected) or left (not selected). The
// space bar flips it like a click. stateChanged() tells the owner after every flip.
class CButtonSelect : public QAbstractButton {
    Q_OBJECT
public:
    explicit CButtonSelect(QWidget* parent = nullptr);
    explicit CButtonSelect(const QString& text, QWidget* parent = nullptr);

    bool state() const { return isChecked(); }
    void setState(bool selected) { setChecked(selected); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void stateChanged(bool selected);

protected:
    void paintEvent(QPaintEvent* event) override;
};
