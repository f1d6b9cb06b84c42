// Master levels page: the two tracks of the class side by side with their ten
// levels, a button to choose the track and a slider for the master level
// between the lists; the levels reached in the chosen track are marked. The
// box below describes the chosen track, or the level under the pointer or the
// current row of a list moved with the keys.
#pragma once

#include <array>

#include "pages/masterlevels/MasterLevelsRules.h"
#include "shell/CAPage.h"

class CButtonSelect;
class CEditColor;
class CEditCtrlFormat;
class CListCtrlMoreNotifies;
class CRichTooltip;
class QSlider;
class QTreeWidgetItem;

class CPage8_MasterLevels : public CAPage {
    Q_OBJECT
public:
    CPage8_MasterLevels(CShellContext& context, CQuillmarDoc& document, QWidget* parent = nullptr);

    void OnClassChanged() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Refresh();
    void Update();
    void OnTrackClicked(bool second);
    void OnSliderMoved(int level);
    void OnRowHovered(int track, int row);
    void OnCurrentRowChanged(int track, QTreeWidgetItem* current);
    void ShowLevel(int track, int row);
    int TrackOf(const QObject* list) const;

    CButtonSelect* m_trackButton = nullptr;
    std::array<CEditColor*, masterlevels_rules::kTrackCount> m_trackNames{};
    CEditColor* m_levelField = nullptr;
    std::array<CListCtrlMoreNotifies*, masterlevels_rules::kTrackCount> m_lists{};
    QSlider* m_slider = nullptr;
    CEditCtrlFormat* m_description = nullptr;
    CRichTooltip* m_tooltip = nullptr;
    masterlevels_rules::MasterLevelsModel m_model;
    masterlevels_rules::DescribedRows m_described;
};
