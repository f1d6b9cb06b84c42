// The Edit menu: Undo and Redo of the current document's history, their
// texts naming the step, and the same two actions for the tool bar.
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QString>

#include "common/UiLanguage.h"

class QAction;
class QMenu;
class QStyle;
class QWidget;
class CCharacterDocument;
class CGameDatabase;
class CQuillmarApp;
struct StepName;

// A step's name with the records' names of the current data language.
QString StepText(const StepName& step, const CGameDatabase& database, UiLanguage language);

class CEditMenu : public QObject {
    Q_OBJECT
public:
    CEditMenu(CQuillmarApp& app, QWidget* window);

    QMenu* Menu() const { return m_menu; }
    QAction* UndoAction() const { return m_undo; }
    QAction* RedoAction() const { return m_redo; }
    // Icons come after the first frame, like the other tool-bar icons.
    void ApplyIcons(const QStyle& look);
    // The document the commands act on; null when none is open.
    void SetDocument(CCharacterDocument* document);
    // Texts and enabled states from the document's history.
    void Update();

private:
    CQuillmarApp& m_app;
    QMenu* m_menu = nullptr;
    QAction* m_undo = nullptr;
    QAction* m_redo = nullptr;
    QPointer<CCharacterDocument> m_document;
    QMetaObject::Connection m_connection;
};
