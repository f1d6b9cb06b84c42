// The respec dialog: a full respec of every line or a line respec of one
// chosen line, with the warning that away from level 20 and 40 a respec stone
// is needed.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

struct CShellContext;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// Line respec is chosen at start, with the first line selected. OK stays
// disabled while line respec is chosen and no line is selected, so that an
// empty choice (which means every line) cannot come from the line choice.
class CDlgRespec : public QDialog {
    Q_OBJECT
public:
    // lineNames: Windows-1252, the class's style lines then its spell lines.
    CDlgRespec(CShellContext& context, const std::vector<std::string>& lineNames, int characterLevel,
               QWidget* parent = nullptr);

    // After OK: the line to reset (Windows-1252), empty for all lines. Empty
    // before and after Cancel as well, so ask exec() first.
    std::string chosenLine() const { return m_chosenLine; }

    QRadioButton* fullChoice() const { return m_full; }
    QRadioButton* lineChoice() const { return m_line; }
    QListWidget* lineList() const { return m_list; }
    QLabel* warningLabel() const { return m_warning; }
    QPushButton* okButton() const { return m_ok; }

    void accept() override;

private:
    void updateState();

    std::vector<std::string> m_lineNames;
    std::string m_chosenLine;
    QRadioButton* m_full = nullptr;
    QRadioButton* m_line = nullptr;
    QListWidget* m_list = nullptr;
    QLabel* m_warning = nullptr;
    QPushButton* m_ok = nullptr;
};
