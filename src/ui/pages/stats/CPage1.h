// Base stats page: creation points over the eight stats, the stats at the
// chosen level, with the item cap and with realm abilities, hit points at
// level 50 and the class's abilities by level.
#pragma once

#include <array>

#include "shell/CAPage.h"

class CEditColor;
class CListCtrlMoreNotifies;
class CRichTooltip;
class QLabel;
class QSpinBox;

class CPage1 : public CAPage {
    Q_OBJECT
public:
    CPage1(CShellContext& context, CQuillmarDoc& document, QWidget* parent = nullptr);

    // Race (and, through it, class) changed: values and the ability list.
    void OnRaceChanged() override;
    // Level changed: values only.
    void OnLevelChanged() override;
    void OnClassChanged() override;

    // A stepper action on a stat: delta < 0 raises |delta| times, delta > 0 lowers.
    void StepStat(int stat, int delta);

    int FreePoints() const { return m_freePoints; }
    CRichTooltip* Tooltip() const { return m_tooltip; }

private:
    struct StatControls {
        QLabel* label = nullptr;
        QSpinBox* stepper = nullptr;
        std::array<CEditColor*, 4> cells{};  // base, at level, with item cap, with realm abilities
    };

    void BuildLayout();
    void SetupTooltips();
    void FullRefresh();
    void RefreshValues();
    void RefillAbilities();
    void OnStepperValue(int stat, int value);
    void OnAbilityHovered(int row);

    std::array<StatControls, 8> m_stats;
    std::array<QLabel*, 4> m_columnHeaders{};
    CEditColor* m_freePointsField = nullptr;
    std::array<CEditColor*, 3> m_hitPointFields{};
    CListCtrlMoreNotifies* m_abilities = nullptr;
    CRichTooltip* m_tooltip = nullptr;
    int m_freePoints = 0;
    // Row of the ability list last reported under the pointer, plus one (0 = none).
    int m_hoveredRow = 0;
};
