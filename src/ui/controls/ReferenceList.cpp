#include "controls/ReferenceList.h"

#include <QTreeWidget>

#include "markup/QtCodePage.h"

QTreeWidget* CreateReferenceList(QWidget* parent, const QString& objectName,
                                 const std::vector<std::string>& columnTitles)
{
    auto* list = new QTreeWidget(parent);
    SetUpReferenceList(list, objectName, columnTitles);
    return list;
}

void SetUpReferenceList(QTreeWidget* list, const QString& objectName, const std::vector<std::string>& columnTitles)
{
    list->setObjectName(objectName);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList titles;
    for (const std::string& title : columnTitles)
        titles << Windows1252ToQString(title);
    list->setHeaderLabels(titles);
}

void ReplaceReferenceRows(QTreeWidget* list, const QList<QTreeWidgetItem*>& items)
{
    list->setUpdatesEnabled(false);
    list->clear();
    list->addTopLevelItems(items);
    for (int column = 0; column < list->columnCount(); ++column)
        list->resizeColumnToContents(column);
    list->setUpdatesEnabled(true);
}
