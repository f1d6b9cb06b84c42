#include "shell/CEditMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QStyle>
#include <QWidget>

#include "database/CGameDatabase.h"
#include "document/CUndoHistory.h"
#include "document/RealmRank.h"
#include "markup/QtCodePage.h"
#include "shell/CCharacterDocument.h"
#include "shell/CQuillmarApp.h"
#include "shell/UiText.h"

namespace {

QString Text(int id, UiLanguage language)
{
    return QString::fromUtf8(UiText(id, language));
}

QString SubjectName(const StepName& step, const CGameDatabase& db, UiLanguage language)
{
    const int i = step.subject;
    const auto in = [i](int count) { return i >= 0 && i < count; };
    switch (step.subjectKind) {
    case StepSubject::Stat:
        return in(kStatCount) ? Text(ui_text::kStatsStrength + i, language) : QString();
    case StepSubject::Realm:
        return in(kRealmCount) ? Windows1252ToQString(RealmName(i)) : QString();
    case StepSubject::Race:
        return in(db.Races().Count()) ? Windows1252ToQString(db.Races().Name(i)) : QString();
    case StepSubject::Class:
        return in(db.Classes().Count()) ? Windows1252ToQString(db.Classes().Name(i)) : QString();
    case StepSubject::StyleLine:
        return in(db.StyleLines().Count()) ? Windows1252ToQString(db.StyleLines().Name(i)) : QString();
    case StepSubject::SpellLine:
        return in(db.SpellLines().Count()) ? Windows1252ToQString(db.SpellLines().Name(i)) : QString();
    case StepSubject::RealmAbility:
        return in(db.RealmAbilities().Count()) ? Windows1252ToQString(db.RealmAbilities().Name(i))
                                               : QString();
    case StepSubject::RealmAbilityNf:
        return in(db.RealmAbilitiesNf().Count()) ? Windows1252ToQString(db.RealmAbilitiesNf().Name(i))
                                                 : QString();
    case StepSubject::None:
        break;
    }
    return {};
}

int TextId(const StepName& step)
{
    const bool up = step.value > step.before;
    switch (step.kind) {
    case StepKind::Level:
        return ui_text::kStepLevel;
    case StepKind::RealmRank:
        return ui_text::kStepRealmRank;
    case StepKind::Realm:
        return ui_text::kStepRealm;
    case StepKind::Race:
        return ui_text::kStepRace;
    case StepKind::Class:
        return ui_text::kStepClass;
    case StepKind::StatRaise:
        return up ? ui_text::kStepRaiseStat : ui_text::kStepLowerStat;
    case StepKind::ExtraSpecPoints:
        return ui_text::kStepExtraSpecPoints;
    case StepKind::CareerMode:
        return step.value != 0 ? ui_text::kStepCareerModeOn : ui_text::kStepCareerModeOff;
    case StepKind::SpecLevel:
        return up ? ui_text::kStepRaiseLine : ui_text::kStepLowerLine;
    case StepKind::Respec:
        return step.subject != 0 ? ui_text::kStepRespecOn : ui_text::kStepRespecOff;
    case StepKind::SnapLevel:
        return ui_text::kStepSnapLevel;
    case StepKind::ClearLevel:
        return ui_text::kStepClearLevel;
    case StepKind::AutoTrain:
        return ui_text::kStepAutoTrain;
    case StepKind::RealmAbility:
    case StepKind::RealmAbilityNf:
        return ui_text::kStepRealmAbility;
    case StepKind::MasterLevelTrack:
        return ui_text::kStepMasterLevelTrack;
    case StepKind::MasterLevel:
        return ui_text::kStepMasterLevel;
    case StepKind::Option:
        return ui_text::kStepOption;
    }
    return ui_text::kStepOption;
}

}  // namespace

QString StepText(const StepName& step, const CGameDatabase& database, UiLanguage language)
{
    const QString value = step.kind == StepKind::RealmRank
                              ? QString::fromStdString(realm_rank::CodeText(static_cast<int>(step.value)))
                              : QString::number(step.value);
    const QString pattern = Text(TextId(step), language);
    // Only the parts the text has; QString::arg would warn about a missing one.
    QString text = pattern;
    text.replace(QLatin1String("%1"), SubjectName(step, database, language));
    text.replace(QLatin1String("%2"), value);
    return text;
}

CEditMenu::CEditMenu(CQuillmarApp& app, QWidget* window) : QObject(window), m_app(app)
{
    m_menu = new QMenu(m_app.Text(ui_text::kMenuEdit), window);
    m_menu->setObjectName(QStringLiteral("EditMenu"));
    m_undo = new QAction(m_app.Text(ui_text::kMenuUndo), window);
    m_undo->setObjectName(QStringLiteral("UndoAction"));
    m_undo->setShortcuts(QKeySequence::Undo);
    m_redo = new QAction(m_app.Text(ui_text::kMenuRedo), window);
    m_redo->setObjectName(QStringLiteral("RedoAction"));
    // Both usual keys on every platform, whatever the platform's own is.
    QList<QKeySequence> redoKeys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
                                 QKeySequence(Qt::CTRL | Qt::Key_Y)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Redo)) {
        if (!redoKeys.contains(key))
            redoKeys << key;
    }
    m_redo->setShortcuts(redoKeys);
    m_menu->addAction(m_undo);
    m_menu->addAction(m_redo);
    // The keys work while the menu is not in the menu bar too.
    window->addAction(m_undo);
    window->addAction(m_redo);
    // The steps' texts name records, which a data-language switch renames.
    connect(&m_app, &CQuillmarApp::dataLanguageChanged, this, &CEditMenu::Update);
    connect(m_undo, &QAction::triggered, this, [this] {
        if (m_document)
            m_document->Doc().Undo();
    });
    connect(m_redo, &QAction::triggered, this, [this] {
        if (m_document)
            m_document->Doc().Redo();
    });
    Update();
}

void CEditMenu::ApplyIcons(const QStyle& look)
{
    m_undo->setIcon(look.standardIcon(QStyle::SP_ArrowBack));
    m_redo->setIcon(look.standardIcon(QStyle::SP_ArrowForward));
}

void CEditMenu::SetDocument(CCharacterDocument* document)
{
    if (document != m_document) {
        disconnect(m_connection);
        m_document = document;
        if (document)
            m_connection = connect(document, &CCharacterDocument::historyChanged, this, &CEditMenu::Update);
    }
    Update();
}

void CEditMenu::Update()
{
    const CUndoHistory* history = m_document ? &m_document->Doc().History() : nullptr;
    const StepName* undo = history ? history->UndoName() : nullptr;
    const StepName* redo = history ? history->RedoName() : nullptr;
    const UiLanguage language = m_app.Language();
    const CGameDatabase& db = m_app.Database();
    m_undo->setEnabled(undo != nullptr);
    m_redo->setEnabled(redo != nullptr);
    const auto label = [&](int id, const StepName& step) {
        return m_app.Text(id).arg(
            StepText(step, db, language).replace(QLatin1Char('&'), QStringLiteral("&&")));
    };
    m_undo->setText(undo ? label(ui_text::kMenuUndoStep, *undo) : m_app.Text(ui_text::kMenuUndo));
    m_redo->setText(redo ? label(ui_text::kMenuRedoStep, *redo) : m_app.Text(ui_text::kMenuRedo));
}
