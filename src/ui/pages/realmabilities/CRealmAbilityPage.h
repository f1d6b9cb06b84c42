// What the two realm-ability pages share: the list with a row of level buttons
// in each ability's "Level" cell, the free, used and needed points, the box
// that switches the point check off, and the description of the ability under
// the pointer or of the current row. The pages differ in their columns and
// rows (old rules with prerequisites and sorting, new rules with group
// headers) and in the document map a click writes to.
//
// Keyboard: on the list, the keys 1 to 5 click that level button of the
// current row; 0, Delete and Backspace clear the row's ability.
#pragma once

#include <QStringList>

#include <memory>
#include <string>
#include <vector>

#include "pages/realmabilities/RealmAbilityRules.h"
#include "shell/CAPage.h"

class CListCtrlMoreNotifies;
class CToggleButton;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;

class CRealmAbilityPage : public CAPage {
    Q_OBJECT
public:
    static constexpr int kFirstButtonId = 5000;

    struct Columns {
        std::vector<std::string> titles;
        int levelColumn = 0;
        int levelWidth = 100;
    };

    CRealmAbilityPage(CShellContext& context, CQuillmarDoc& document, ra_rules::Rules rules, const Columns& columns,
                      QWidget* parent);
    ~CRealmAbilityPage() override;

    // Full refresh: rows, list, buttons, points and marks.
    void OnClassChanged() override;
    // The co-op bonus follows the level, the available points the realm rank.
    void OnLevelChanged() override;
    void OnRealmRankChanged() override;

    const std::vector<ra_rules::AbilityRow>& Rows() const { return m_rows; }
    const ra_rules::Points& Points() const { return m_points; }
    // Null where the row has no button of that level.
    CToggleButton* LevelButton(int row, int level) const;
    // As a click on the level button would do.
    void ClickLevel(int row, int level);

protected:
    virtual std::vector<ra_rules::AbilityRow> BuildRows() = 0;
    virtual QStringList Cells(const ra_rules::AbilityRow& row) const = 0;
    CListCtrlMoreNotifies* List() const { return m_list; }
    void FullRefresh();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Rebuild();
    void CreateButtons();
    void DestroyButtons();
    void PlaceButtons();
    void SetButtonsVisible(bool visible);
    void UpdatePoints();
    void ShowPointsAndStates();
    void Describe(int row);
    void OnIgnorePointsClicked(bool checked);

    ra_rules::Rules m_rules;
    int m_levelColumn;
    CListCtrlMoreNotifies* m_list = nullptr;
    QLineEdit* m_freePoints = nullptr;
    QLineEdit* m_usedPoints = nullptr;
    QCheckBox* m_ignorePoints = nullptr;
    QGroupBox* m_needed = nullptr;
    QLineEdit* m_neededRank = nullptr;
    QLineEdit* m_neededPoints = nullptr;
    QPlainTextEdit* m_description = nullptr;
    class RowDelegate;
    RowDelegate* m_delegate = nullptr;

    std::vector<ra_rules::AbilityRow> m_rows;
    // Per row its level buttons (null where a level has none).
    std::vector<std::array<CToggleButton*, ra_rules::kLevelCount>> m_buttons;
    ra_rules::Points m_points;
    int m_describedRow = -1;
    bool m_buttonsHidden = false;
};
