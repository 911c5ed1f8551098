#pragma once

#include <QString>
#include <QTemporaryDir>

// Makes a fresh temporary folder the working directory for as long as it
// lives, so config.xml and lang/ of a test never touch the real ones.
class TempWorkDir
{
public:
    TempWorkDir();
    ~TempWorkDir();

    QString path() const { return m_dir.path(); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }

    void write(const QString &name, const QByteArray &content) const;
    QByteArray read(const QString &name) const;
    // Copies the built translations into lang/ of this folder.
    void installTranslations() const;
    // Copies a folder with everything below it.
    static void copyTree(const QString &from, const QString &to);

private:
    QTemporaryDir m_dir;
    QString m_previous;
};
