#include "shell/CCharacterDocument.h"

#include <QFileInfo>

CCharacterDocument::CCharacterDocument(CGameDatabase& database, CAppSettings& settings, QString title,
                                       QObject* parent)
    : QObject(parent), m_document(database, settings), m_title(std::move(title))
{
    m_document.AddObserver(this);
}

CCharacterDocument::~CCharacterDocument()
{
    m_document.RemoveObserver(this);
}

void CCharacterDocument::SetPath(const QString& path)
{
    m_path = path;
    const QString title = QFileInfo(path).fileName();
    if (title != m_title) {
        m_title = title;
        emit titleChanged();
    }
}

void CCharacterDocument::AttachFrame(CChildFrame* frame)
{
    if (!m_frames.contains(frame)) {
        m_frames.append(frame);
        emit titleChanged();  // window titles number themselves once there are several
    }
}

void CCharacterDocument::DetachFrame(CChildFrame* frame)
{
    if (m_frames.removeAll(frame) > 0)
        emit titleChanged();
}
