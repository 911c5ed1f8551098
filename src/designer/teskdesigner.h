#pragma once

#include "textfile.h"

#include <QList>
#include <QMainWindow>

class CodeEditor;
class LineEndTracker;
class SchemePreview;

namespace Ui {
class TeskDesigner;
}

// The window in which scheme QML files are edited as text, one tab a file.
class TeskDesigner : public QMainWindow
{
    Q_OBJECT

public:
    explicit TeskDesigner(QWidget *parent = nullptr);
    ~TeskDesigner() override;

    // Opens the file in a tab of its own, or shows the tab it already has.
    void openFile(const QString &path);

    int fileCount() const { return m_files.size(); }
    CodeEditor *currentEditor() const;
    QString currentPath() const { return m_currentPath; }
    bool isCurrentChanged() const { return m_currentChanged; }
    SchemePreview *preview() const { return m_preview; }

    // The file name of a path written with either kind of separator.
    static QString fileNameOf(const QString &path);

public slots:
    void newFile();
    void chooseAndOpenFile();
    bool saveFile();
    void run();

private slots:
    void on_filesTab_currentChanged(int index);
    void on_filesTab_tabCloseRequested(int index);
    void showHelp();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    struct OpenFile
    {
        QString name;
        QString path; // empty until a new file is first saved
        bool changed = false;
        QByteArray encoding; // the file's, which a save keeps
        QWidget *page = nullptr;
        CodeEditor *editor = nullptr;
        LineEndTracker *lineEnds = nullptr;
    };

    // text as the file holds it, with its own line ends.
    int addPage(const QString &name, const QString &path, const QString &text, const QByteArray &encoding);
    bool decodeLegacy(const QString &path, const QByteArray &bytes, QByteArray *encoding, QString *text);
    int indexOfPage(QWidget *page) const;
    int indexOfPath(const QString &path) const;
    QString tabTitle(const OpenFile &file) const;
    void fileChanged(QWidget *page, bool changed);
    bool saveAt(int index);
    bool mayClose(int index);
    void closeAt(int index);
    void showCurrent();
    QString freeNewName() const;

    Ui::TeskDesigner *ui;
    QList<OpenFile> m_files;
    QString m_currentName;
    QString m_currentPath;
    bool m_currentChanged = false;
    SchemePreview *m_preview = nullptr;
};
