// The preferences dialog: tooltip delay and switches, the save question, the
// optional pages, whether new characters start with the last selection and
// the data language loaded at start-up.
#pragma once

#include <QDialog>

#include <filesystem>

#include "document/CNamedValueList.h"
#include "shell/CShellContext.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSlider;

class COptionDialog : public QDialog {
    Q_OBJECT
public:
    // The controls show the current settings. OK writes them and saves the
    // settings file; Cancel (or closing) puts back the settings as they were
    // when the dialog opened, which also undoes "Default".
    COptionDialog(CShellContext& context, QWidget* parent = nullptr);

    // Where OK saves. By default the program's config.bin (beside the program,
    // or in the user's config folder when that is not writable).
    void SetSettingsFile(std::filesystem::path file) { m_settingsFile = std::move(file); }
    const std::filesystem::path& SettingsFile() const { return m_settingsFile; }

    void accept() override;
    void reject() override;

    // "%0.1fs" of a delay in milliseconds.
    static QString DelayText(int milliseconds);

private:
    void ShowSettings();
    void RestoreDefaults();
    void UpdateDelayText(int milliseconds);

    CShellContext& m_context;
    std::filesystem::path m_settingsFile;
    CNamedValueList m_opened;

    QSlider* m_delay = nullptr;
    QLineEdit* m_delayText = nullptr;
    QCheckBox* m_uiTooltips = nullptr;
    QCheckBox* m_saveModified = nullptr;
    QCheckBox* m_showOldRas = nullptr;
    QCheckBox* m_showExperimental = nullptr;
    QCheckBox* m_saveSelection = nullptr;
    QComboBox* m_defaultDb = nullptr;
    QPushButton* m_defaultButton = nullptr;
    QPushButton* m_okButton = nullptr;
    QPushButton* m_cancelButton = nullptr;
};
