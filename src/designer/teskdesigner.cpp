#include "teskdesigner.h"

#include "codeeditor.h"
#include "dialogs.h"
#include "lineendtracker.h"
#include "schemepreview.h"
#include "ui_teskdesigner.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QTabWidget>

#include <algorithm>

namespace {

const QString kNewName = QStringLiteral("nowyPlik.qml");
const QString kQmlFilter = QStringLiteral("QML (*.qml);;*");

// What a new scheme starts from: the QtQuick 1 root every scheme needs.
const char *const kNewScheme = "import QtQuick 1.1\n\n"
                               "Rectangle {\n"
                               "    id: root\n"
                               "    width: 800\n"
                               "    height: 600\n"
                               "    signal itemClicked(string name)\n"
                               "}\n";

QString canonical(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

} // namespace

TeskDesigner::TeskDesigner(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::TeskDesigner)
{
    ui->setupUi(this);
    setWindowModality(Qt::ApplicationModal);
    connect(ui->actionNew, &QAction::triggered, this, &TeskDesigner::newFile);
    connect(ui->actionOpen, &QAction::triggered, this, &TeskDesigner::chooseAndOpenFile);
    connect(ui->actionSave, &QAction::triggered, this, &TeskDesigner::saveFile);
    connect(ui->actionUndo, &QAction::triggered, this, [this] {
        if (CodeEditor *e = currentEditor())
            e->undo();
    });
    connect(ui->actionRedo, &QAction::triggered, this, [this] {
        if (CodeEditor *e = currentEditor())
            e->redo();
    });
    connect(ui->actionRun, &QAction::triggered, this, &TeskDesigner::run);
    connect(ui->actionHelp, &QAction::triggered, this, &TeskDesigner::showHelp);
}

TeskDesigner::~TeskDesigner()
{
    delete ui;
}

QString TeskDesigner::fileNameOf(const QString &path)
{
    QStringList parts = path.split(QLatin1Char('/'));
    if (parts.size() < 2)
        parts = path.split(QLatin1Char('\\'));
    return parts.last();
}

CodeEditor *TeskDesigner::currentEditor() const
{
    const int index = indexOfPage(ui->filesTab->currentWidget());
    return index < 0 ? nullptr : m_files.at(index).editor;
}

int TeskDesigner::indexOfPage(QWidget *page) const
{
    for (int i = 0; i < m_files.size(); ++i) {
        if (m_files.at(i).page == page)
            return i;
    }
    return -1;
}

int TeskDesigner::indexOfPath(const QString &path) const
{
    for (int i = 0; i < m_files.size(); ++i) {
        if (!m_files.at(i).path.isEmpty() && canonical(m_files.at(i).path) == canonical(path))
            return i;
    }
    return -1;
}

// Files of the same name from different folders each get a tab; the title
// then names the folder too.
QString TeskDesigner::tabTitle(const OpenFile &file) const
{
    QString title = file.name;
    for (const OpenFile &other : m_files) {
        if (other.page != file.page && other.name == file.name && !file.path.isEmpty()) {
            title += QStringLiteral(" (") + QFileInfo(file.path).dir().dirName() + QLatin1Char(')');
            break;
        }
    }
    return file.changed ? title + QLatin1Char('*') : title;
}

void TeskDesigner::openFile(const QString &path)
{
    const int open = indexOfPath(path);
    if (open >= 0) {
        ui->filesTab->setCurrentWidget(m_files.at(open).page);
        return;
    }
    QByteArray bytes;
    const QString error = TextFile::read(path, &bytes);
    if (!error.isEmpty()) {
        Dialogs::critical(this, tr("Błąd"), tr("Nie można otworzyć pliku: ") + path + QLatin1Char('\n') + error);
        return;
    }
    QByteArray encoding = TextFile::utf8();
    QString text;
    if (!TextFile::decode(bytes, encoding, &text) && !decodeLegacy(path, bytes, &encoding, &text))
        return;
    addPage(fileNameOf(path), path, text, encoding);
}

// Bytes that are not UTF-8 cannot tell their encoding: the operator names it,
// and the file is saved in it again.
bool TeskDesigner::decodeLegacy(const QString &path, const QByteArray &bytes, QByteArray *encoding, QString *text)
{
    QStringList names;
    for (const QByteArray &name : TextFile::legacyEncodings())
        names << QString::fromLatin1(name);
    bool ok = false;
    const QString name = Dialogs::item(this, tr("Kodowanie pliku"),
                                       tr("Plik %1 nie jest zapisany w UTF-8.\n"
                                          "Wybierz kodowanie, w którym zostanie otwarty i zapisany:")
                                           .arg(QDir::toNativeSeparators(path)),
                                       names, &ok);
    *encoding = name.toLatin1();
    return ok && TextFile::decode(bytes, *encoding, text);
}

int TeskDesigner::addPage(const QString &name, const QString &path, const QString &text, const QByteArray &encoding)
{
    auto *page = new QTabWidget;
    page->setTabPosition(QTabWidget::South);
    page->addTab(new QWidget, tr("Edyor graficzny"));
    auto *editor = new CodeEditor;
    page->addTab(editor, tr("Kod"));
    page->setCurrentWidget(editor);
    QVector<TextFile::LineEnd> ends;
    editor->setPlainText(TextFile::splitLines(text, &ends));
    m_files.append({name, path, false, encoding, page, editor, new LineEndTracker(editor->document(), ends)});
    connect(editor->document(), &QTextDocument::modificationChanged, this,
            [this, page](bool changed) { fileChanged(page, changed); });
    ui->filesTab->addTab(page, name);
    for (int i = 0; i < m_files.size(); ++i)
        ui->filesTab->setTabText(ui->filesTab->indexOf(m_files.at(i).page), tabTitle(m_files.at(i)));
    ui->filesTab->setCurrentWidget(page);
    showCurrent();
    return m_files.size() - 1;
}

void TeskDesigner::fileChanged(QWidget *page, bool changed)
{
    const int index = indexOfPage(page);
    if (index < 0)
        return;
    m_files[index].changed = changed;
    ui->filesTab->setTabText(ui->filesTab->indexOf(page), tabTitle(m_files.at(index)));
    showCurrent();
}

void TeskDesigner::showCurrent()
{
    const int index = indexOfPage(ui->filesTab->currentWidget());
    if (index < 0)
        return;
    const OpenFile &f = m_files.at(index);
    m_currentName = f.name;
    m_currentPath = f.path;
    m_currentChanged = f.changed;
    setWindowTitle(QStringLiteral("Tesk-Designer [") + f.name + QLatin1Char(']'));
}

void TeskDesigner::on_filesTab_currentChanged(int)
{
    showCurrent();
}

void TeskDesigner::on_filesTab_tabCloseRequested(int tab)
{
    const int index = indexOfPage(ui->filesTab->widget(tab));
    if (index >= 0 && mayClose(index))
        closeAt(index);
}

void TeskDesigner::closeAt(int index)
{
    QWidget *page = m_files.takeAt(index).page;
    ui->filesTab->removeTab(ui->filesTab->indexOf(page));
    delete page;
}

// Unsaved changes are never dropped without asking.
bool TeskDesigner::mayClose(int index)
{
    if (!m_files.at(index).changed)
        return true;
    ui->filesTab->setCurrentWidget(m_files.at(index).page);
    const auto answer = Dialogs::question(this, tr("Potwierdzenie"),
                                          tr("Plik %1 zawiera niezapisane zmiany. Czy zapisać je teraz?")
                                              .arg(m_files.at(index).name),
                                          QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save)
        return saveAt(index);
    return answer == QMessageBox::Discard;
}

// A file whose changes the operator discards is closed with the window, so
// that neither its tab nor a later save brings the discarded text back.
void TeskDesigner::closeEvent(QCloseEvent *event)
{
    for (int i = 0; i < m_files.size();) {
        if (!mayClose(i)) {
            event->ignore();
            return;
        }
        if (m_files.at(i).changed)
            closeAt(i);
        else
            ++i;
    }
    event->accept();
}

QString TeskDesigner::freeNewName() const
{
    QString name = kNewName;
    for (int n = 2;; ++n) {
        const bool taken = std::any_of(m_files.cbegin(), m_files.cend(), [&](const OpenFile &f) { return f.name == name; });
        if (!taken)
            return name;
        name = QStringLiteral("nowyPlik%1.qml").arg(n);
    }
}

void TeskDesigner::newFile()
{
    addPage(freeNewName(), QString(), QString::fromLatin1(kNewScheme), TextFile::utf8());
}

void TeskDesigner::chooseAndOpenFile()
{
    const QString path = Dialogs::openFileName(this, tr("Otwórz plik"), QFileInfo(m_currentPath).path(), kQmlFilter);
    if (!path.isEmpty())
        openFile(path);
}

bool TeskDesigner::saveFile()
{
    const int index = indexOfPage(ui->filesTab->currentWidget());
    return index >= 0 && saveAt(index);
}

bool TeskDesigner::saveAt(int index)
{
    OpenFile &f = m_files[index];
    if (f.path.isEmpty()) {
        const QString path = Dialogs::saveFileName(this, tr("Zapisz plik"), f.name, kQmlFilter);
        if (path.isEmpty())
            return false;
        f.path = path;
        f.name = fileNameOf(path);
    }
    const QString error = TextFile::write(f.path, f.lineEnds->text(), f.encoding);
    if (!error.isEmpty()) {
        Dialogs::critical(this, tr("Błąd"), tr("Nie udało się zapisać pliku: ") + error);
        return false;
    }
    f.editor->document()->setModified(false);
    fileChanged(f.page, false);
    statusBar()->showMessage(tr("Zapisano: ") + f.path, 3000);
    return true;
}

void TeskDesigner::run()
{
    const int index = indexOfPage(ui->filesTab->currentWidget());
    if (index < 0)
        return;
    if (!m_preview)
        m_preview = new SchemePreview(this);
    const OpenFile &f = m_files.at(index);
    m_preview->show(f.path.isEmpty() ? f.name : f.path, f.editor->toPlainText());
}

void TeskDesigner::showHelp()
{
    Dialogs::information(this, tr("Pomoc"),
                         tr("Edytor plików QML schematów.\n\n"
                            "Ctrl+N nowy plik, Ctrl+O otwórz, Ctrl+S zapisz,\n"
                            "Ctrl+Z cofnij, Ctrl+Y powtórz, F5 podgląd schematu.\n"
                            "Podgląd pokazuje błędy QML z numerami wierszy."));
}
