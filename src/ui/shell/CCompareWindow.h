// Two characters side by side: choose two open characters (or one and a
// file), see every compared value with the differences marked and the signed
// deltas. The table follows changes of either character while it is open.
#pragma once

#include <QDialog>
#include <QTimer>

#include <memory>
#include <string>

class CCharacterDocument;
class CQuillmarApp;
class CQuillmarDoc;
class QComboBox;
class QTreeWidget;

class CCompareWindow : public QDialog {
    Q_OBJECT
public:
    // How often the table looks for changes of the characters.
    static constexpr int kFollowMilliseconds = 300;

    CCompareWindow(CQuillmarApp& app, QWidget* parent = nullptr);
    ~CCompareWindow() override;

    // Compares now if either character changed since the table was filled.
    void Follow();

private:
    void FillChoices();
    void OnSecondChosen(int index);
    const CQuillmarDoc* Chosen(const QComboBox* choice) const;
    void Fill();

    CQuillmarApp& m_app;
    QComboBox* m_first = nullptr;
    QComboBox* m_second = nullptr;
    QTreeWidget* m_table = nullptr;
    QTimer m_follow;
    // A character read from a file for the second column.
    std::unique_ptr<CQuillmarDoc> m_fromFile;
    QString m_fromFileTitle;
    std::string m_shownImages;
};
