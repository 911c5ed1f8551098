#pragma once

#include <QColor>
#include <QMessageBox>
#include <QVariant>
#include <QString>

class QWidget;

// The one door to message boxes and file or folder choosers. Tests preset the
// next answers so that no test has to race a native modal dialog; every box
// shown (or answered from a preset) is recorded for them too.
class Dialogs
{
public:
    enum Kind { Critical, Warning, Information, Question };
    struct Shown
    {
        Kind kind;
        QString title;
        QString text;
    };

    static QMessageBox::StandardButton critical(QWidget *parent, const QString &title,
                                                const QString &text);
    static QMessageBox::StandardButton warning(QWidget *parent, const QString &title,
                                               const QString &text);
    static QMessageBox::StandardButton information(QWidget *parent, const QString &title,
                                                   const QString &text);
    static QMessageBox::StandardButton question(
        QWidget *parent, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons = QMessageBox::Yes | QMessageBox::No);

    // Empty when the user cancels.
    static QString existingDirectory(QWidget *parent, const QString &caption,
                                     const QString &dir = QString());
    static QString openFileName(QWidget *parent, const QString &caption,
                                const QString &dir = QString(), const QString &filter = QString());
    static QString saveFileName(QWidget *parent, const QString &caption,
                                const QString &dir = QString(), const QString &filter = QString());

    // The chosen colour; invalid when the user cancels.
    static QColor color(QWidget *parent, const QColor &initial);
    // An integer asked for; ok tells whether the user confirmed.
    static int integer(QWidget *parent, const QString &title, const QString &label, int value, int min, int max,
                       int step, bool *ok);

    // One of items, picked from a list; ok tells whether the user confirmed.
    static QString item(QWidget *parent, const QString &title, const QString &label, const QStringList &items,
                        bool *ok);
    // A line of text asked for; ok tells whether the user confirmed.
    static QString text(QWidget *parent, const QString &title, const QString &label, const QString &value,
                        bool *ok);

    // Test support: answers given instead of showing the next box or chooser.
    static void presetAnswer(QMessageBox::StandardButton button);
    static void presetPath(const QString &path);
    static void presetColor(const QColor &color);
    // An invalid value stands for a cancelled prompt.
    static void presetInteger(const QVariant &value);
    // A null string stands for a cancelled choice; a text prompt takes
    // its answer from the same queue.
    static void presetItem(const QString &item);
    static QList<Shown> shown();
    static void reset();

private:
    static QMessageBox::StandardButton box(Kind kind, QWidget *parent, const QString &title,
                                           const QString &text, QMessageBox::StandardButtons buttons);
    enum class Chooser { Directory, Open, Save };
    static QString path(QWidget *parent, const QString &caption, const QString &dir,
                        const QString &filter, Chooser chooser);
};
