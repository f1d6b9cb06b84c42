#include "shell/CEmptyPage.h"

CEmptyPage::CEmptyPage(CShellContext& context, CQuillmarDoc& document, PageId id, QWidget* parent)
    : CAPage(context, document, parent), m_id(id)
{
    setObjectName(QStringLiteral("emptyPage%1").arg(static_cast<int>(id)));
    RecordTemplateSize();
}
