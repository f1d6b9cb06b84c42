// One open character as the shell sees it: the core document plus its file
// path, its title ("Quillmar1", ... for new characters, the file name once it
// has one) and the windows that show it.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include "document/CQuillmarDoc.h"

class CChildFrame;

class CCharacterDocument : public QObject, private CDocumentObserver {
    Q_OBJECT
public:
    CCharacterDocument(CGameDatabase& database, CAppSettings& settings, QString title,
                       QObject* parent = nullptr);
    ~CCharacterDocument() override;

    CQuillmarDoc& Doc() { return m_document; }
    const CQuillmarDoc& Doc() const { return m_document; }
    bool IsModified() const { return m_document.IsModified(); }

    const QString& Title() const { return m_title; }
    // Empty until the character was loaded from or saved to a file.
    const QString& Path() const { return m_path; }
    // Binds the document to a file; the title becomes the file's name.
    void SetPath(const QString& path);

    const QList<CChildFrame*>& Frames() const { return m_frames; }
    void AttachFrame(CChildFrame* frame);
    void DetachFrame(CChildFrame* frame);

signals:
    void titleChanged();
    void modifiedChanged(bool modified);
    // The document's undo history moved (Edit menu texts follow).
    void historyChanged();

private:
    void OnViewsUpdated(int) override {}
    void OnModifiedChanged(bool modified) override { emit modifiedChanged(modified); }
    void OnHistoryChanged() override { emit historyChanged(); }

    CQuillmarDoc m_document;
    QString m_title;
    QString m_path;
    QList<CChildFrame*> m_frames;
};
