#include "shell/COptionDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

#include <algorithm>
#include <system_error>

#include "document/CAppSettings.h"
#include "document/CByteReader.h"

COptionDialog::COptionDialog(CShellContext& context, QWidget* parent)
    : QDialog(parent), m_context(context),
      m_settingsFile(
          SettingsFileLocation(QCoreApplication::applicationDirPath().toStdString(), UserConfigFolder()))
{
    m_opened.Assign(m_context.settings.Values());
    setWindowTitle(m_context.Text(ui_text::kOptionsTitle));

    auto* tooltips = new QGroupBox(m_context.Text(ui_text::kOptionsToolTipsGroup), this);
    auto* delayLabel = new QLabel(m_context.Text(ui_text::kOptionsDelayLabel), tooltips);
    m_delay = new QSlider(Qt::Horizontal, tooltips);
    m_delay->setObjectName(QStringLiteral("delay"));
    m_delay->setRange(0, 5000);
    m_delay->setSingleStep(100);
    m_delay->setPageStep(500);
    m_delay->setTickInterval(500);
    m_delay->setTickPosition(QSlider::TicksBelow);
    m_delay->setMinimumWidth(QFontMetrics(font()).horizontalAdvance(QLatin1Char('M')) * 14);
    delayLabel->setBuddy(m_delay);
    m_delayText = new QLineEdit(tooltips);
    m_delayText->setObjectName(QStringLiteral("delayText"));
    m_delayText->setReadOnly(true);
    m_delayText->setFocusPolicy(Qt::NoFocus);
    m_delayText->setAlignment(Qt::AlignRight);
    m_delayText->setFixedWidth(QFontMetrics(m_delayText->font()).horizontalAdvance(QStringLiteral("00.0s")) +
                               14);
    m_uiTooltips = new QCheckBox(m_context.Text(ui_text::kOptionsUiTooltips), tooltips);
    m_uiTooltips->setObjectName(QStringLiteral("uiTooltips"));
    auto* tooltipGrid = new QGridLayout(tooltips);
    tooltipGrid->addWidget(delayLabel, 0, 0);
    tooltipGrid->addWidget(m_delay, 0, 1);
    tooltipGrid->addWidget(m_delayText, 0, 2);
    tooltipGrid->addWidget(m_uiTooltips, 1, 0, 1, 3);
    tooltipGrid->setColumnStretch(1, 1);
    connect(m_delay, &QSlider::valueChanged, this, &COptionDialog::UpdateDelayText);

    m_saveModified = new QCheckBox(m_context.Text(ui_text::kOptionsSaveModified), this);
    m_saveModified->setObjectName(QStringLiteral("saveModified"));
    m_showOldRas = new QCheckBox(m_context.Text(ui_text::kOptionsShowOldRas), this);
    m_showOldRas->setObjectName(QStringLiteral("showOldRas"));
    m_showExperimental = new QCheckBox(m_context.Text(ui_text::kOptionsShowExperimental), this);
    m_showExperimental->setObjectName(QStringLiteral("showExperimental"));
    m_saveSelection = new QCheckBox(m_context.Text(ui_text::kOptionsSaveSelection), this);
    m_saveSelection->setObjectName(QStringLiteral("saveSelection"));

    auto* databaseLabel = new QLabel(m_context.Text(ui_text::kOptionsDefaultDb), this);
    m_defaultDb = new QComboBox(this);
    m_defaultDb->setObjectName(QStringLiteral("defaultDb"));
    m_defaultDb->addItem(m_context.Text(ui_text::kOptionsGerman));
    m_defaultDb->addItem(m_context.Text(ui_text::kOptionsEnglish));
    databaseLabel->setBuddy(m_defaultDb);
    auto* databaseRow = new QHBoxLayout;
    databaseRow->addWidget(databaseLabel);
    databaseRow->addWidget(m_defaultDb);
    databaseRow->addStretch(1);

    m_defaultButton = new QPushButton(m_context.Text(ui_text::kOptionsDefaultButton), this);
    m_defaultButton->setObjectName(QStringLiteral("defaultButton"));
    m_okButton = new QPushButton(m_context.Text(ui_text::kOptionsOk), this);
    m_okButton->setObjectName(QStringLiteral("okButton"));
    m_okButton->setDefault(true);
    m_cancelButton = new QPushButton(m_context.Text(ui_text::kOptionsCancel), this);
    m_cancelButton->setObjectName(QStringLiteral("cancelButton"));
    connect(m_defaultButton, &QPushButton::clicked, this, &COptionDialog::RestoreDefaults);
    connect(m_okButton, &QPushButton::clicked, this, &COptionDialog::accept);
    connect(m_cancelButton, &QPushButton::clicked, this, &COptionDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_defaultButton);
    buttons->addStretch(1);
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tooltips);
    layout->addWidget(m_saveModified);
    layout->addWidget(m_showOldRas);
    layout->addWidget(m_showExperimental);
    layout->addWidget(m_saveSelection);
    layout->addLayout(databaseRow);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(m_delay, m_uiTooltips);
    setTabOrder(m_uiTooltips, m_saveModified);
    setTabOrder(m_saveModified, m_showOldRas);
    setTabOrder(m_showOldRas, m_showExperimental);
    setTabOrder(m_showExperimental, m_saveSelection);
    setTabOrder(m_saveSelection, m_defaultDb);
    setTabOrder(m_defaultDb, m_defaultButton);
    setTabOrder(m_defaultButton, m_okButton);
    setTabOrder(m_okButton, m_cancelButton);
    m_delay->setFocus();

    ShowSettings();
}

QString COptionDialog::DelayText(int milliseconds)
{
    return QString::asprintf("%0.1fs", milliseconds * 0.001);
}

void COptionDialog::UpdateDelayText(int milliseconds)
{
    m_delayText->setText(DelayText(milliseconds));
}

void COptionDialog::ShowSettings()
{
    const CAppSettings& settings = m_context.settings;
    m_delay->setValue(settings.Get(setting::TOOLTIP_DELAY));
    // setValue sends nothing when the value does not change.
    UpdateDelayText(m_delay->value());
    m_uiTooltips->setChecked(settings.Get(setting::UI_TOOLTIPS) != 0);
    m_saveModified->setChecked(settings.Get(setting::SAVE_MODIFIED) != 0);
    m_showOldRas->setChecked(settings.Get(setting::SHOW_OLD_RAS) != 0);
    m_showExperimental->setChecked(settings.Get(setting::SHOW_EXPERIMENTAL) != 0);
    m_saveSelection->setChecked(settings.Get(setting::DONT_SAVE_SELECTION) == 0);
    // Any value other than 0 loads the English data.
    m_defaultDb->setCurrentIndex(settings.Get(setting::DEFAULT_DB) != 0 ? 1 : 0);
}

void COptionDialog::RestoreDefaults()
{
    m_context.settings.Reset();
    ShowSettings();
}

void COptionDialog::accept()
{
    CAppSettings& settings = m_context.settings;
    settings.Set(setting::TOOLTIP_DELAY, m_delay->value());
    settings.Set(setting::UI_TOOLTIPS, m_uiTooltips->isChecked() ? 1 : 0);
    settings.Set(setting::SAVE_MODIFIED, m_saveModified->isChecked() ? 1 : 0);
    settings.Set(setting::SHOW_EXPERIMENTAL, m_showExperimental->isChecked() ? 1 : 0);
    settings.Set(setting::SHOW_OLD_RAS, m_showOldRas->isChecked() ? 1 : 0);
    settings.Set(setting::DONT_SAVE_SELECTION, m_saveSelection->isChecked() ? 0 : 1);
    settings.Set(setting::DEFAULT_DB, std::max(0, m_defaultDb->currentIndex()));

    // The user's config folder may not exist yet; Save reports any failure.
    std::error_code error;
    if (m_settingsFile.has_parent_path())
        std::filesystem::create_directories(m_settingsFile.parent_path(), error);
    // A failed save has been reported; the new settings still apply in memory.
    settings.Save(m_settingsFile, &m_context.prompt);
    m_opened.Assign(settings.Values());
    QDialog::accept();
}

void COptionDialog::reject()
{
    // Back to the settings of the moment the dialog opened rather than to the
    // file: the remembered choices made since the last save (last realm,
    // class, race and page) must not be lost by a Cancel.
    CByteWriter bytes;
    if (m_opened.WriteTo(bytes)) {
        m_context.settings.LoadBytes(bytes.Bytes());
    } else {
        m_context.settings.Reset();
        for (const NamedValue& pair : m_opened)
            m_context.settings.Set(pair.key, pair.value);
    }
    QDialog::reject();
}
