#include "shell/CAPage.h"

CAPage::CAPage(CShellContext& context, CQuillmarDoc& document, QWidget* parent)
    : QWidget(parent), m_context(context), m_document(document)
{
}

void CAPage::RecordTemplateSize()
{
    m_templateSize = sizeHint().expandedTo(minimumSizeHint());
}
