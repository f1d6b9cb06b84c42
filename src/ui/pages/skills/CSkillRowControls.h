// The controls laid over the line rows of the skill list: a level control in
// the Skill column of every trainable line and an auto-train field in the Auto
// Train column of auto-train lines. They are made and removed with the rows,
// follow scrolling and column resizes, hide while a column divider is dragged,
// and the arrow keys step a level control instead of leaving it.
#pragma once

#include <QObject>

#include <cstdint>
#include <vector>

#include "pages/skills/SkillsRules.h"

class CEditAutoTrain;
class CListCtrlMoreNotifies;
class CNumEdit;
struct CShellContext;
class QWidget;

class CSkillRowControls : public QObject {
    Q_OBJECT
public:
    // Control identifiers: row index plus these.
    static constexpr int kLevelControlId = 5000;
    static constexpr int kAutoTrainControlId = 5100;

    CSkillRowControls(CListCtrlMoreNotifies& list, CShellContext& context);
    // Removes the controls while the list is still there.
    ~CSkillRowControls() override;

    // Controls for the rows, in the tab order after `previous`; returns the last
    // widget of that order (`previous` when no row has a control). The controls
    // show nothing of the document yet.
    QWidget* Create(const std::vector<skills_rules::SkillRow>& rows, QWidget* previous);
    // Deletes them without telling anyone: their row indices are stale by now.
    void Destroy();

    // The controls of a row; null for rows without one.
    CNumEdit* Level(int row) const;
    CEditAutoTrain* AutoTrain(int row) const;

    // Shows a level even when it lies outside the control's current limits (a
    // lowered character level, a loaded file); the next limits set them again.
    static void ShowLevel(CNumEdit& control, int value);

signals:
    void levelChanged(int row, int value);
    void autoTrainChanged(int row, std::uint32_t mask);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        CNumEdit* level = nullptr;
        CEditAutoTrain* autoTrain = nullptr;
    };

    void Place();
    void SetVisible(bool visible);

    CListCtrlMoreNotifies& m_list;
    CShellContext& m_context;
    std::vector<Row> m_rows;
    bool m_hidden = false;
};
