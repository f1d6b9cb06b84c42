#include "shell/CCompareWindow.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "document/CharacterComparison.h"
#include "document/CharacterFile.h"
#include "markup/QtCodePage.h"
#include "shell/CCharacterDocument.h"
#include "shell/CQuillmarApp.h"
#include "shell/UiText.h"

namespace {

// The item data of the "from a file" entry; open characters carry their index.
constexpr int kFromFile = -1;
const QColor kDifferenceBackground(255, 240, 200);

}  // namespace

CCompareWindow::CCompareWindow(CQuillmarApp& app, QWidget* parent) : QDialog(parent), m_app(app)
{
    setObjectName(QStringLiteral("compareWindow"));
    setWindowTitle(m_app.Text(ui_text::kCompareTitle));
    m_first = new QComboBox(this);
    m_first->setObjectName(QStringLiteral("firstCharacter"));
    m_second = new QComboBox(this);
    m_second->setObjectName(QStringLiteral("secondCharacter"));
    m_table = new QTreeWidget(this);
    m_table->setObjectName(QStringLiteral("comparison"));
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setColumnCount(4);
    auto* choices = new QFormLayout;
    choices->addRow(QStringLiteral("A:"), m_first);
    choices->addRow(QStringLiteral("B:"), m_second);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(m_table, 1);
    resize(560, 640);

    FillChoices();
    connect(&m_app, &CQuillmarApp::documentsChanged, this, &CCompareWindow::FillChoices);
    connect(&m_app, &CQuillmarApp::dataLanguageChanged, this, &CCompareWindow::Follow);
    connect(m_first, &QComboBox::activated, this, &CCompareWindow::Follow);
    connect(m_second, &QComboBox::activated, this, &CCompareWindow::OnSecondChosen);
    Follow();
}

CCompareWindow::~CCompareWindow() = default;

void CCompareWindow::FillChoices()
{
    const auto refill = [this](QComboBox* choice, int fallback, bool withFile) {
        const QVariant previous = choice->currentData();
        choice->clear();
        for (int i = 0; i < m_app.DocumentCount(); ++i)
            choice->addItem(m_app.Document(i)->Title(), i);
        if (withFile)
            choice->addItem(m_fromFile ? m_fromFileTitle : m_app.Text(ui_text::kCompareFromFile), kFromFile);
        const int kept = previous.isValid() ? choice->findData(previous) : -1;
        choice->setCurrentIndex(kept >= 0 ? kept : std::min(fallback, choice->count() - 1));
    };
    refill(m_first, 0, false);
    refill(m_second, 1, true);
    for (int i = 0; i < m_app.DocumentCount(); ++i)
        connect(m_app.Document(i), &CCharacterDocument::historyChanged, this, &CCompareWindow::Follow,
                Qt::UniqueConnection);
}

void CCompareWindow::OnSecondChosen(int index)
{
    if (m_second->itemData(index).toInt() == kFromFile && !m_fromFile) {
        const QString path = QFileDialog::getOpenFileName(this, windowTitle(), QString(),
                                                          QStringLiteral("Quillmar (*.chr)"));
        auto doc = std::make_unique<CQuillmarDoc>(m_app.Database(), m_app.Settings());
        if (!path.isEmpty() &&
            LoadCharacterFile(*doc, QFile::encodeName(path).toStdString(), &m_app.Prompt(), m_app.Language()).Ok()) {
            m_fromFile = std::move(doc);
            m_fromFileTitle = QFileInfo(path).fileName();
            m_second->setItemText(index, m_fromFileTitle);
        }
    }
    Follow();
}

const CQuillmarDoc* CCompareWindow::Chosen(const QComboBox* choice) const
{
    const QVariant chosen = choice->currentData();
    if (!chosen.isValid())
        return nullptr;
    const int index = chosen.toInt();
    if (index == kFromFile)
        return m_fromFile.get();
    return index < m_app.DocumentCount() ? &m_app.Document(index)->Doc() : nullptr;
}

void CCompareWindow::Follow()
{
    const CQuillmarDoc* a = Chosen(m_first);
    const CQuillmarDoc* b = Chosen(m_second);
    m_table->setHeaderLabels({m_app.Text(ui_text::kCompareValue), m_first->currentText(), m_second->currentText(),
                              QStringLiteral("\u0394")});
    m_table->clear();
    if (!a || !b)
        return;
    QList<QTreeWidgetItem*> items;
    for (const ComparedField& field : CompareCharacters(m_app.Database(), *a, *b, m_app.Language())) {
        auto* item = new QTreeWidgetItem({Windows1252ToQString(field.name), Windows1252ToQString(field.a),
                                          Windows1252ToQString(field.b),
                                          QString::fromStdString(DeltaText(field.delta))});
        item->setData(0, Qt::UserRole, field.differs);
        item->setTextAlignment(3, Qt::AlignRight | Qt::AlignVCenter);
        if (field.differs) {
            QFont bold = m_table->font();
            bold.setBold(true);
            for (int column = 0; column < 4; ++column) {
                item->setFont(column, bold);
                item->setBackground(column, kDifferenceBackground);
            }
        }
        items << item;
    }
    m_table->addTopLevelItems(items);
    for (int column = 0; column < 4; ++column)
        m_table->resizeColumnToContents(column);
}
