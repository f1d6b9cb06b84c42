#include "controls/OkCancelButtons.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "shell/CShellContext.h"

OkCancelButtons MakeOkCancelButtons(QDialog& dialog, const CShellContext& context)
{
    auto* box = new QDialogButtonBox(&dialog);
    QPushButton* ok = box->addButton(context.Text(ui_text::kAutoTrainOk), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    QPushButton* cancel =
        box->addButton(context.Text(ui_text::kAutoTrainCancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    QObject::connect(box, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    return {box, ok};
}
