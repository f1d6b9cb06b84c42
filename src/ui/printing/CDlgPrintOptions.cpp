#include "printing/CDlgPrintOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "document/CAppSettings.h"
#include "document/CQuillmarDoc.h"
#include "printing/PrintOptions.h"
#include "shell/CShellContext.h"

CDlgPrintOptions::CDlgPrintOptions(CShellContext& context, const CQuillmarDoc& doc, QWidget* parent)
    : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("CDlgPrintOptions"));
    setWindowTitle(context.Text(ui_text::kPrintOptionsTitle));
    CAppSettings& settings = context.settings;
    const sheet::PrintOptions options = sheet::ReadPrintOptions(settings, doc);

    auto* layout = new QVBoxLayout(this);
    const auto group = [&](int titleId) {
        auto* box = new QGroupBox(context.Text(titleId), this);
        layout->addWidget(box);
        return new QVBoxLayout(box);
    };
    // A box written to its key at once: 1 ticked, else `unticked`.
    const auto check = [&](QVBoxLayout* into, int textId, std::string_view key, bool ticked, int unticked) {
        auto* box = new QCheckBox(context.Text(textId), this);
        box->setChecked(ticked);
        into->addWidget(box);
        connect(box, &QCheckBox::toggled, this, [this, key, unticked](bool on) {
            m_context.settings.Set(key, on ? 1 : unticked);
            UpdateEnabled();
        });
        return box;
    };

    QVBoxLayout* styles = group(ui_text::kPrintStylesGroup);
    m_noStyles = check(styles, ui_text::kPrintNoStyles, setting::PrintNoStyles, options.noStyles, 0);
    m_allStyles = check(styles, ui_text::kPrintAllStyles, setting::PrintAllStyles, options.allStyles, -1);
    auto* sortLabel = new QLabel(context.Text(ui_text::kPrintStyleSort), this);
    styles->addWidget(sortLabel);
    m_styleSort = new QComboBox(this);
    sortLabel->setBuddy(m_styleSort);
    const int sortTexts[] = {ui_text::kPrintSortLineLevel, ui_text::kPrintSortLinePreceding,
                             ui_text::kPrintSortLevel, ui_text::kPrintSortPrerequisite};
    for (int value = 0; value < sheet::kStyleSortCount; ++value)
        m_styleSort->addItem(context.Text(sortTexts[value]), value);
    m_styleSort->setCurrentIndex(std::max(m_styleSort->findData(settings.Get(setting::PrintStyleSort)), 0));
    styles->addWidget(m_styleSort);
    connect(m_styleSort, &QComboBox::currentIndexChanged, this, [this](int index) {
        m_context.settings.Set(setting::PrintStyleSort, m_styleSort->itemData(index).toInt());
    });

    QVBoxLayout* spells = group(ui_text::kPrintSpellsGroup);
    m_noSpells = check(spells, ui_text::kPrintNoSpells, setting::PrintNoSpells, options.noSpells, 0);
    m_allSpells = check(spells, ui_text::kPrintAllSpells, setting::PrintAllSpells, options.allSpells, -1);
    m_spellDescriptions =
        check(spells, ui_text::kPrintSpellDescriptions, setting::PrintSpellDesc, options.spellDescriptions, 0);

    QVBoxLayout* abilities = group(ui_text::kPrintRealmAbilitiesGroup);
    m_noRealmAbilities =
        check(abilities, ui_text::kPrintNoRealmAbilities, setting::PrintNoRAs, options.noRealmAbilities, 0);
    m_allRealmAbilities =
        check(abilities, ui_text::kPrintAllRealmAbilities, setting::PrintAllRAs, options.allRealmAbilities, 0);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    UpdateEnabled();
}

void CDlgPrintOptions::UpdateEnabled()
{
    const bool styles = !m_noStyles->isChecked();
    m_allStyles->setEnabled(styles);
    m_styleSort->setEnabled(styles);
    const bool spells = !m_noSpells->isChecked();
    m_allSpells->setEnabled(spells);
    m_spellDescriptions->setEnabled(spells);
    m_allRealmAbilities->setEnabled(!m_noRealmAbilities->isChecked());
}
