#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QUrl>

// A private copy of a scheme's QML and script files with their imports
// rewritten for QtQuick 2, kept in a temporary folder so that nothing is
// written into the project. The copy of a file lives at the temporary folder
// followed by the file's own absolute path, so relative references resolve
// to the same relative places, and any other file (an image) can be mapped
// back to its original.
class SchemeMirror
{
public:
    SchemeMirror();

    // Mirrors the folder of the file (sub-folders included) and returns the
    // URL of the file's copy. text, when given, replaces the file's content.
    QUrl prepare(const QString &file, const QString *text = nullptr);

    QString folder() const { return m_root; }
    bool contains(const QString &path) const;
    QString originalOf(const QString &mirrorPath) const;
    // Mirrors one more QML or script file on demand; false when it has no original.
    bool mirrorFile(const QString &original);

private:
    QString mirrorPathOf(const QString &original) const;
    void mirrorFolder(const QString &folder, int depth);

    QTemporaryDir m_dir;
    QString m_root; // m_dir's path, without a trailing separator
};
