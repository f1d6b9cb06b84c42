// Spells page: the spells of every spell line of the class that the character
// can use, base spells by the character level and specialisation spells by the
// line level, with the page's three options stored in the character.
#pragma once

#include "shell/CAPage.h"

class QCheckBox;
class QTreeWidget;

class CPage3 : public CAPage {
    Q_OBJECT
public:
    CPage3(CShellContext& context, CQuillmarDoc& document, QWidget* parent = nullptr);

    void OnClassChanged() override;
    // With "All spells" the list does not depend on the level.
    void OnLevelChanged() override;

private:
    void Refresh();
    void OnShowAllClicked(bool checked);
    void OnOnlyTopClicked(bool checked);
    void OnTypeAsNameClicked(bool checked);

    QCheckBox* m_showAll = nullptr;
    QCheckBox* m_onlyTop = nullptr;
    QCheckBox* m_typeAsName = nullptr;
    QTreeWidget* m_list = nullptr;
};
