// Base of every planner page. The view owns exactly one page at a time,
// creates it when its tab is chosen and deletes it when another one is; the
// page reads the document and the database whenever it refreshes and keeps no
// character data of its own. Changes made in the view's header reach the page
// as the five notifications below; OnClassChanged doubles as "refresh
// everything" (pages call it on themselves after changing their own options).
#pragma once

#include <QSize>
#include <QWidget>

#include "shell/CShellContext.h"
#include "pages/PageId.h"

class CQuillmarDoc;

class CAPage : public QWidget {
    Q_OBJECT
public:
    CAPage(CShellContext& context, CQuillmarDoc& document, QWidget* parent);

    CQuillmarDoc& GetDocument() const { return m_document; }
    CShellContext& Context() const { return m_context; }

    // The size the page was laid out for when it was created; the view never
    // makes the page area smaller. A page calls RecordTemplateSize() once its
    // controls exist.
    QSize TemplateSize() const { return m_templateSize; }

    virtual void OnRaceChanged() {}
    virtual void OnLevelChanged() {}
    virtual void OnClassChanged() {}
    virtual void OnRealmRankChanged() {}
    virtual void OnSkillPlanChanged() {}

protected:
    void RecordTemplateSize();

private:
    CShellContext& m_context;
    CQuillmarDoc& m_document;
    QSize m_templateSize;
};
