// What quillmar-cli prints for a page of a character saved to a temporary
// file: the pages' tests compare it with what the widgets show.
#pragma once

#include <QJsonObject>
#include <QStringList>

class CQuillmarDoc;

// Needs the test target to define QUILLMAR_CLI and QUILLMAR_SHIPPED_DATA; a
// failed save or run is fatal. `command` comes before the file, `options` after.
QJsonObject PrintedJson(CQuillmarDoc& doc, const QStringList& command, const QStringList& options = {});
inline QJsonObject PrintedPage(CQuillmarDoc& doc, const char* page, const QStringList& options = {})
{
    return PrintedJson(doc, {"page", page}, options);
}
