// Skills page: the class's style and spell lines with a level control each,
// what every line gives at which level, the points used, earned and left, the
// auto-train field of auto-train lines, and the respec.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pages/skills/SkillsRules.h"
#include "shell/CAPage.h"

class CEditAutoTrain;
class CEditColor;
class CEditCtrlFormat;
class CListCtrlMoreNotifies;
class CNumEdit;
class CSkillListDelegate;
class CSkillRowControls;
class QLineEdit;
class QPushButton;
class QTreeWidgetItem;

class CPage2 : public CAPage {
    Q_OBJECT
public:
    // Asks which line to respec: the chosen line, empty for all, nothing on cancel.
    using RespecChooser = std::function<std::optional<std::string>(const std::vector<std::string>& lineNames,
                                                                   int characterLevel)>;

    CPage2(CShellContext& context, CQuillmarDoc& document, QWidget* parent = nullptr);
    ~CPage2() override;

    void OnLevelChanged() override;
    void OnClassChanged() override;
    void OnRealmRankChanged() override;
    void OnSkillPlanChanged() override;

    // The respec button: asks, then gives the points back.
    void Respec();
    // Replaces the respec dialog (the default opens it modally).
    void SetRespecChooser(RespecChooser chooser) { m_respecChooser = std::move(chooser); }

    const std::vector<skills_rules::SkillRow>& Rows() const { return m_rows; }
    // The controls of a row; null for rows without one.
    CNumEdit* LevelControl(int row) const;
    CEditAutoTrain* AutoTrainControl(int row) const;
    CListCtrlMoreNotifies* SkillList() const { return m_list; }
    CListCtrlMoreNotifies* DetailList() const { return m_detail; }
    CEditCtrlFormat* DescriptionBox() const { return m_description; }

private:
    void BuildLayout();
    void FullRefresh();
    void FillList();

    // Bytes and Skill text of the group rows; only those of `lineName` when given.
    void RefreshGroupRows(const std::string* lineName = nullptr);
    // Every level control shows the line level, green in career mode for the
    // lines this level's plan holds.
    void CareerColouring();
    void RefreshPoints();

    void OnLevelControlChanged(int row, int value);
    void OnAutoTrainChanged(int row, std::uint32_t mask);
    void OnSpecialPointsEdited(const QString& text);
    void OnListHovered(int row, int x);
    void ForgetHover();

    QTreeWidgetItem* Item(int row) const;
    // The value a group row's Level cell is drawn from; kept on that cell, so
    // that setting it repaints the cell.
    int RowDataOf(int row) const;
    void SetRowData(int row, int value);
    float Level() const;

    CListCtrlMoreNotifies* m_list = nullptr;
    CSkillListDelegate* m_delegate = nullptr;
    CListCtrlMoreNotifies* m_detail = nullptr;
    CEditCtrlFormat* m_description = nullptr;
    CEditColor* m_used = nullptr;
    CEditColor* m_earned = nullptr;
    CEditColor* m_rest = nullptr;
    QLineEdit* m_special = nullptr;
    QPushButton* m_respecButton = nullptr;

    std::vector<skills_rules::SkillRow> m_rows;
    // Goes before the list and its viewport do (see the destructor).
    std::unique_ptr<CSkillRowControls> m_controls;
    int m_hoveredRow = -1;
    int m_hoveredEntry = -1;
    RespecChooser m_respecChooser;
};
