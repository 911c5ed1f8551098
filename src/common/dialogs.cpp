#include "dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QQueue>

namespace {

struct Presets
{
    QQueue<QMessageBox::StandardButton> answers;
    QQueue<QString> paths;
    QQueue<QColor> colors;
    QQueue<QVariant> integers;
    QQueue<QString> items;
    QList<Dialogs::Shown> shown;
};

Presets &presets()
{
    static Presets p;
    return p;
}

} // namespace

QMessageBox::StandardButton Dialogs::critical(QWidget *parent, const QString &title,
                                              const QString &text)
{
    return box(Critical, parent, title, text, QMessageBox::Ok);
}

QMessageBox::StandardButton Dialogs::warning(QWidget *parent, const QString &title,
                                             const QString &text)
{
    return box(Warning, parent, title, text, QMessageBox::Ok);
}

QMessageBox::StandardButton Dialogs::information(QWidget *parent, const QString &title,
                                                 const QString &text)
{
    return box(Information, parent, title, text, QMessageBox::Ok);
}

QMessageBox::StandardButton Dialogs::question(QWidget *parent, const QString &title,
                                              const QString &text, QMessageBox::StandardButtons buttons)
{
    return box(Question, parent, title, text, buttons);
}

QString Dialogs::existingDirectory(QWidget *parent, const QString &caption, const QString &dir)
{
    return path(parent, caption, dir, QString(), Chooser::Directory);
}

QString Dialogs::openFileName(QWidget *parent, const QString &caption, const QString &dir,
                              const QString &filter)
{
    return path(parent, caption, dir, filter, Chooser::Open);
}

QString Dialogs::saveFileName(QWidget *parent, const QString &caption, const QString &dir,
                              const QString &filter)
{
    return path(parent, caption, dir, filter, Chooser::Save);
}

QColor Dialogs::color(QWidget *parent, const QColor &initial)
{
    Presets &p = presets();
    if (!p.colors.isEmpty())
        return p.colors.dequeue();
    return QColorDialog::getColor(initial, parent, QString(), QColorDialog::ShowAlphaChannel);
}

int Dialogs::integer(QWidget *parent, const QString &title, const QString &label, int value, int min, int max,
                     int step, bool *ok)
{
    Presets &p = presets();
    if (!p.integers.isEmpty()) {
        const QVariant answer = p.integers.dequeue();
        *ok = answer.isValid();
        return answer.toInt();
    }
    return QInputDialog::getInt(parent, title, label, value, min, max, step, ok);
}

QString Dialogs::item(QWidget *parent, const QString &title, const QString &label, const QStringList &items,
                      bool *ok)
{
    Presets &p = presets();
    if (!p.items.isEmpty()) {
        const QString answer = p.items.dequeue();
        *ok = !answer.isNull();
        return answer;
    }
    return QInputDialog::getItem(parent, title, label, items, 0, false, ok);
}

QString Dialogs::text(QWidget *parent, const QString &title, const QString &label, const QString &value, bool *ok)
{
    Presets &p = presets();
    if (!p.items.isEmpty()) {
        const QString answer = p.items.dequeue();
        *ok = !answer.isNull();
        return answer;
    }
    return QInputDialog::getText(parent, title, label, QLineEdit::Normal, value, ok);
}

void Dialogs::presetItem(const QString &item)
{
    presets().items.enqueue(item);
}

void Dialogs::presetColor(const QColor &color)
{
    presets().colors.enqueue(color);
}

void Dialogs::presetInteger(const QVariant &value)
{
    presets().integers.enqueue(value);
}

void Dialogs::presetAnswer(QMessageBox::StandardButton button)
{
    presets().answers.enqueue(button);
}

void Dialogs::presetPath(const QString &path)
{
    presets().paths.enqueue(path);
}

QList<Dialogs::Shown> Dialogs::shown()
{
    return presets().shown;
}

void Dialogs::reset()
{
    presets() = Presets();
}

QMessageBox::StandardButton Dialogs::box(Kind kind, QWidget *parent, const QString &title,
                                         const QString &text, QMessageBox::StandardButtons buttons)
{
    Presets &p = presets();
    p.shown.append({kind, title, text});
    if (!p.answers.isEmpty())
        return p.answers.dequeue();
    switch (kind) {
    case Critical:
        return QMessageBox::critical(parent, title, text, buttons);
    case Warning:
        return QMessageBox::warning(parent, title, text, buttons);
    case Information:
        return QMessageBox::information(parent, title, text, buttons);
    case Question:
        return QMessageBox::question(parent, title, text, buttons);
    }
    return QMessageBox::NoButton;
}

QString Dialogs::path(QWidget *parent, const QString &caption, const QString &dir,
                      const QString &filter, Chooser chooser)
{
    Presets &p = presets();
    if (!p.paths.isEmpty())
        return p.paths.dequeue();
    switch (chooser) {
    case Chooser::Directory:
        return QFileDialog::getExistingDirectory(
            parent, caption, dir, QFileDialog::ShowDirsOnly | QFileDialog::DontResolveSymlinks);
    case Chooser::Open:
        return QFileDialog::getOpenFileName(parent, caption, dir, filter);
    case Chooser::Save:
        return QFileDialog::getSaveFileName(parent, caption, dir, filter);
    }
    return QString();
}
