#include "pages/calc/CPage6.h"

#include <QCoreApplication>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLoggingCategory>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "document/CAppSettings.h"
#include "markup/QtCodePage.h"
#include "shell/UiText.h"

Q_LOGGING_CATEGORY(lcScript, "quillmar.script")

namespace {

constexpr int kInitialColumns = 2;
constexpr int kLogLines = 2000;  // a log() in a long loop must not fill the memory

}  // namespace

CPage6::CPage6(CShellContext& context, CQuillmarDoc& document, QWidget* parent)
    : CAPage(context, document, parent),
      m_host(std::make_unique<CScriptHost>(context.prompt, context.uiLanguage, static_cast<CScriptPage*>(this)))
{
    setWindowTitle(Context().Text(ui_text::kCalcPageTitle));
    auto* testPage = new QLabel(Context().Text(ui_text::kCalcTestPage), this);
    auto* formulaNote = new QLabel(Context().Text(ui_text::kCalcFormulaNote), this);
    testPage->setObjectName(QStringLiteral("calcTestPage"));
    formulaNote->setObjectName(QStringLiteral("calcFormulaNote"));

    m_table = new QTreeWidget(this);
    m_table->setObjectName(QStringLiteral("calcTable"));
    m_table->setAccessibleName(Context().Text(ui_text::kCalcTableName));
    m_table->setColumnCount(kInitialColumns);
    m_table->setHeaderHidden(true);
    m_table->setRootIsDecorated(false);
    m_table->setUniformRowHeights(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->header()->setStretchLastSection(false);

    m_log = new QPlainTextEdit(this);
    m_log->setObjectName(QStringLiteral("calcLog"));
    m_log->setAccessibleName(Context().Text(ui_text::kCalcLogName));
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(kLogLines);
    m_log->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_log->setFixedHeight(m_log->fontMetrics().lineSpacing() * 6 + 2 * m_log->frameWidth() + 8);

    auto* page = new QVBoxLayout(this);
    page->addWidget(testPage);
    page->addWidget(formulaNote);
    page->addWidget(m_table, 1);
    page->addWidget(m_log);
    Run();
    RecordTemplateSize();
}

CPage6::~CPage6()
{
    m_host->DetachPage();
}

std::filesystem::path CPage6::ScriptLocation()
{
    const std::filesystem::path programFolder =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    return CalcScriptLocation(programFolder, UserConfigFolder());
}

void CPage6::Run()
{
    RunScript(ScriptLocation());
}

ScriptOutcome CPage6::RunScript(const std::filesystem::path& script)
{
    m_log->clear();
    const ScriptOutcome outcome = m_host->Run(GetDocument(), script);
    const int gap = fontMetrics().averageCharWidth() * 2;
    for (int column = 0; column < m_table->columnCount(); ++column) {
        m_table->resizeColumnToContents(column);
        m_table->setColumnWidth(column, m_table->columnWidth(column) + gap);
    }
    return outcome;
}

void CPage6::ScriptRunStarting()
{
    m_table->clear();
}

void CPage6::ScriptOutput(const std::vector<std::string>& cells)
{
    // Columns are only ever added: a later run with fewer cells keeps them.
    if (static_cast<int>(cells.size()) > m_table->columnCount())
        m_table->setColumnCount(static_cast<int>(cells.size()));
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(cells.size()));
    for (const std::string& cell : cells)
        texts << Windows1252ToQString(cell);
    m_table->addTopLevelItem(new QTreeWidgetItem(texts));
}

void CPage6::ScriptDebug(std::string_view line)
{
    QString text = Windows1252ToQString(line);
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    qCDebug(lcScript).noquote() << text;
    m_log->appendPlainText(text);
}
