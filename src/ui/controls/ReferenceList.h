// The read-only lists of the reference pages: full-row selection, no tree
// decoration, headings from the page rules, rows replaced as a whole.
#pragma once

#include <string>
#include <vector>

#include <QString>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

QTreeWidget* CreateReferenceList(QWidget* parent, const QString& objectName,
                                 const std::vector<std::string>& columnTitles);
// The same look for a list the page made itself (one that reports hovering, say).
void SetUpReferenceList(QTreeWidget* list, const QString& objectName, const std::vector<std::string>& columnTitles);

// Replaces every row (drawn once, not per row) and sizes the columns to their contents.
void ReplaceReferenceRows(QTreeWidget* list, const QList<QTreeWidgetItem*>& items);
