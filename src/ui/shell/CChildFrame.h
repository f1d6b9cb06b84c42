// A window inside the main window that shows one document through one view.
// Its title is the document's title, numbered when the document has several
// windows, with a marker while the document is modified.
#pragma once

#include <QMdiSubWindow>

class CCharacterDocument;
class CQuillmarApp;
class CQuillmarView;

class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    CChildFrame(CQuillmarApp& app, CCharacterDocument& document, QWidget* parent = nullptr);
    ~CChildFrame() override;

    CCharacterDocument& Document() const { return m_document; }
    CQuillmarView* View() const { return m_view; }

    void UpdateTitle();

signals:
    // The title or the modified marker changed.
    void titleUpdated();

protected:
    void changeEvent(QEvent* event) override;
    // The last window of a document asks whether to save it.
    void closeEvent(QCloseEvent* event) override;

private:
    CQuillmarApp& m_app;
    CCharacterDocument& m_document;
    CQuillmarView* m_view = nullptr;
};
