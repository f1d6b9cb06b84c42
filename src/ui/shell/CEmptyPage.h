// Stand-in for a planner page that is not part of the program yet, so that
// its tab can still be chosen. It reacts to no notification.
#pragma once

#include "shell/CAPage.h"

class CEmptyPage : public CAPage {
    Q_OBJECT
public:
    CEmptyPage(CShellContext& context, CQuillmarDoc& document, PageId id, QWidget* parent = nullptr);

    PageId Id() const { return m_id; }

private:
    PageId m_id;
};
