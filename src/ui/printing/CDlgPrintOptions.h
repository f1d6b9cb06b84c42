// The print options dialog: what the character sheet contains. Every change
// is written to the settings at once; the controls of a table left out are
// disabled.
#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class CQuillmarDoc;
struct CShellContext;

class CDlgPrintOptions : public QDialog {
    Q_OBJECT
public:
    CDlgPrintOptions(CShellContext& context, const CQuillmarDoc& doc, QWidget* parent = nullptr);

    QCheckBox* NoStyles() const { return m_noStyles; }
    QCheckBox* AllStyles() const { return m_allStyles; }
    QComboBox* StyleSort() const { return m_styleSort; }
    QCheckBox* NoSpells() const { return m_noSpells; }
    QCheckBox* AllSpells() const { return m_allSpells; }
    QCheckBox* SpellDescriptions() const { return m_spellDescriptions; }
    QCheckBox* NoRealmAbilities() const { return m_noRealmAbilities; }
    QCheckBox* AllRealmAbilities() const { return m_allRealmAbilities; }

private:
    void UpdateEnabled();

    CShellContext& m_context;
    QCheckBox* m_noStyles = nullptr;
    QCheckBox* m_allStyles = nullptr;
    QComboBox* m_styleSort = nullptr;
    QCheckBox* m_noSpells = nullptr;
    QCheckBox* m_allSpells = nullptr;
    QCheckBox* m_spellDescriptions = nullptr;
    QCheckBox* m_noRealmAbilities = nullptr;
    QCheckBox* m_allRealmAbilities = nullptr;
};
