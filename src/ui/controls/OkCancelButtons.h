// The OK and Cancel buttons of the auto-train and respec dialogs, in the
// user-interface language, wired to accept and reject; OK is the default.
#pragma once

class QDialog;
class QDialogButtonBox;
class QPushButton;
struct CShellContext;

struct OkCancelButtons {
    QDialogButtonBox* box = nullptr;
    QPushButton* ok = nullptr;
};

OkCancelButtons MakeOkCancelButtons(QDialog& dialog, const CShellContext& context);
