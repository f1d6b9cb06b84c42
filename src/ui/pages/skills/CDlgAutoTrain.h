// The auto-train dialog: the free steps of an auto-train line as a table of
// skill levels and the character levels they come at, one box per step, the
// short text of the ticked steps (editable) and what they mean.
#pragma once

#include <QDialog>

#include <array>
#include <cstdint>

#include "pages/skills/AutoTrainRules.h"

struct CShellContext;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// Edits a copy of the mask: mask() is the edited mask while the dialog runs and
// after OK, the mask it was opened with after Cancel. Steps above the
// character level cannot be ticked. A click with SHIFT sets every lower step
// to the clicked box's new state.
class CDlgAutoTrain : public QDialog {
    Q_OBJECT
public:
    CDlgAutoTrain(CShellContext& context, std::uint32_t mask, int characterLevel, QWidget* parent = nullptr);

    std::uint32_t mask() const { return m_mask; }
    int characterLevel() const { return m_level; }

    // The box of skill 2..12; nullptr for any other skill.
    QCheckBox* stepBox(int skill) const;
    QLineEdit* shortTextField() const { return m_shortText; }
    QListWidget* descriptionList() const { return m_description; }

    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onBoxClicked(int skill, bool checked);
    void onShortTextChanged(const QString& text);
    void takeBoxes();
    void refreshDescription();

    CShellContext& m_context;
    const std::uint32_t m_openedWith;
    std::uint32_t m_mask;
    const int m_level;
    // Index = skill - 2.
    std::array<QCheckBox*, kAutoTrainSkills - 1> m_boxes{};
    QLineEdit* m_shortText = nullptr;
    QListWidget* m_description = nullptr;
    QPushButton* m_ok = nullptr;
    // Modifiers of the last mouse or key event on a box: the click arrives
    // after the event, and the application's modifier state is not kept for
    // synthetic input.
    Qt::KeyboardModifiers m_boxModifiers;
};
