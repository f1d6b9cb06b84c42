#include "ui/support/PrintedPage.h"

#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include "document/CharacterFile.h"

QJsonObject PrintedJson(CQuillmarDoc& doc, const QStringList& command, const QStringList& options)
{
    QTemporaryDir folder;
    const QString file = folder.filePath("hero.chr");
    if (!SaveCharacterFile(doc, file.toStdString(), UiLanguage::English).ok)
        qFatal("cannot save %s", qPrintable(file));
    QProcess cli;
    cli.start(QUILLMAR_CLI, command + QStringList{file, "--data-root", QUILLMAR_SHIPPED_DATA, "--data", "en"} + options);
    if (!cli.waitForFinished(30000) || cli.exitCode() != 0)
        qFatal("quillmar-cli failed: %s", cli.readAllStandardError().constData());
    return QJsonDocument::fromJson(cli.readAllStandardOutput()).object();
}
