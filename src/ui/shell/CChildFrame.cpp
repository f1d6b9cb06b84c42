#include "shell/CChildFrame.h"

#include <QCloseEvent>
#include <QEvent>
#include <QMdiArea>

#include "shell/CCharacterDocument.h"
#include "shell/CQuillmarApp.h"
#include "shell/CQuillmarView.h"

CChildFrame::CChildFrame(CQuillmarApp& app, CCharacterDocument& document, QWidget* parent)
    : QMdiSubWindow(parent), m_app(app), m_document(document)
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_view = new CQuillmarView(app.Context(), document.Doc(), this);
    setWidget(m_view);
    m_document.AttachFrame(this);
    connect(&m_document, &CCharacterDocument::titleChanged, this, &CChildFrame::UpdateTitle);
    connect(&m_document, &CCharacterDocument::modifiedChanged, this, &CChildFrame::UpdateTitle);
    UpdateTitle();
}

CChildFrame::~CChildFrame()
{
    // The view is the document's observer and goes before the document may;
    // leaving the area first keeps the main window from seeing a half-gone window.
    delete m_view;
    m_view = nullptr;
    QMdiArea* area = mdiArea();
    if (area && area->subWindowList().contains(this))
        area->removeSubWindow(this);
    m_app.FrameDestroyed(this);
}

void CChildFrame::UpdateTitle()
{
    QString title = m_document.Title();
    const QList<CChildFrame*>& frames = m_document.Frames();
    if (frames.size() > 1)
        title += QStringLiteral(":%1").arg(frames.indexOf(this) + 1);
    setWindowTitle(title + QStringLiteral("[*]"));
    setWindowModified(m_document.IsModified());
    emit titleUpdated();
}

void CChildFrame::changeEvent(QEvent* event)
{
    // With some styles a maximised window writes "<main title> - [<own
    // title>]" into the main window, from whatever title that has at this
    // moment. The main window already carries the child's title, so it goes
    // back to the bare name first.
    if (event->type() == QEvent::WindowStateChange && isMaximized()) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        if (!change->isOverride() && !(change->oldState() & Qt::WindowMaximized) && window() != this)
            window()->setWindowTitle(m_app.Text(ui_text::kApplicationTitle));
    }
    QMdiSubWindow::changeEvent(event);
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (m_document.Frames().size() > 1 || m_app.QueryCloseDocument(m_document))
        QMdiSubWindow::closeEvent(event);
    else
        event->ignore();
}
