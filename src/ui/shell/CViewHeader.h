// The header row of a character window: realm, class and race lists, level and
// realm-rank fields, the career switch with Snap and Del, the realm points and
// the co-op switch. It edits the document itself and tells through its
// signals what changed, for the page below to follow.
#pragma once

#include <QWidget>

#include <string>

class CEditColor;
class CHeaderSpinField;
class CQuillmarDoc;
class CRichTooltip;
class QCheckBox;
class QComboBox;
class QPushButton;
struct CShellContext;

class CViewHeader : public QWidget {
    Q_OBJECT
public:
    static constexpr QRgb kLevelHasEntriesColor = 0xFFC0FFC0;  // RGB(192, 255, 192)

    CViewHeader(CShellContext& context, CQuillmarDoc& document, QWidget* parent = nullptr);
    ~CViewHeader() override;

    // Once the window is set up: the tooltips over the header's controls.
    void CreateTooltip();
    // Shows the document: the lists are refilled (the document takes what
    // they correct), the fields, switches and tooltips follow it.
    void Refresh();

    QComboBox* RealmList() const { return m_realmList; }
    QComboBox* ClassList() const { return m_classList; }
    QComboBox* RaceList() const { return m_raceList; }
    CHeaderSpinField* LevelField() const { return m_levelField; }
    CHeaderSpinField* RealmRankField() const { return m_rankField; }
    QCheckBox* CareerBox() const { return m_careerBox; }
    QPushButton* SnapButton() const { return m_snapButton; }
    QPushButton* DelButton() const { return m_delButton; }
    CEditColor* RealmPointsField() const { return m_pointsField; }
    QCheckBox* CoopBox() const { return m_coopBox; }
    // The last control in the tab order.
    QWidget* LastControl() const;
    // Null before CreateTooltip.
    CRichTooltip* Tooltip() const { return m_tooltip; }

signals:
    // Also sent for the co-op switch, which changes what the class may train.
    void classChanged();
    void raceChanged();
    void levelChanged();
    void realmRankChanged();
    // Career mode, Snap or Del.
    void skillPlanChanged();

private:
    void ApplyTooltips();
    void FitListWidths();

    void FillRealmList();
    void FillClassList();
    void FillRaceList();
    // The document takes the selected item of a list (the class without its suffix).
    void TakeRealm();
    void TakeClass();
    void TakeRace();
    void SelectForDocument(QComboBox* list, const std::string& value);

    void RefreshLevelField();
    void RefreshRealmRank();
    void RefreshSwitches();

    void OnRealmChosen();
    void ChooseClass();
    void ChooseRace();
    void SetLevelFromHeader(float level);
    void OnLevelStep(int delta);
    void OnLevelCommit();
    void SetRealmRankFromHeader(int code);
    void OnRealmRankStep(int delta);
    void OnRealmRankCommit();
    void OnCareerClicked(bool on);
    void OnSnap();
    void OnDel();
    void OnCoopClicked(bool on);

    CShellContext& m_context;
    CQuillmarDoc& m_document;

    QComboBox* m_realmList = nullptr;
    QComboBox* m_classList = nullptr;
    QComboBox* m_raceList = nullptr;
    CHeaderSpinField* m_levelField = nullptr;
    CHeaderSpinField* m_rankField = nullptr;
    QCheckBox* m_careerBox = nullptr;
    QPushButton* m_snapButton = nullptr;
    QPushButton* m_delButton = nullptr;
    CEditColor* m_pointsField = nullptr;
    QCheckBox* m_coopBox = nullptr;
    CRichTooltip* m_tooltip = nullptr;
};
