// Two characters side by side: choose two open characters (or one and a
// file), see every compared value with the differences marked and the signed
// deltas. The table follows every step of either character's history (and a
// data-language switch) while it is open.
#pragma once

#include <QDialog>

#include <memory>

class CCharacterDocument;
class CQuillmarApp;
class CQuillmarDoc;
class QComboBox;
class QTreeWidget;

class CCompareWindow : public QDialog {
    Q_OBJECT
public:
    CCompareWindow(CQuillmarApp& app, QWidget* parent = nullptr);
    ~CCompareWindow() override;

    // Compares the two characters as they are now.
    void Follow();

private:
    void FillChoices();
    void OnSecondChosen(int index);
    const CQuillmarDoc* Chosen(const QComboBox* choice) const;

    CQuillmarApp& m_app;
    QComboBox* m_first = nullptr;
    QComboBox* m_second = nullptr;
    QTreeWidget* m_table = nullptr;
    // A character read from a file for the second column.
    std::unique_ptr<CQuillmarDoc> m_fromFile;
    QString m_fromFileTitle;
};
