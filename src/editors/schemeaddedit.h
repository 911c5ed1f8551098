#pragma once

#include "menuitemrecord.h"
#include "schemefields.h"

#include <QDialog>

namespace Ui {
class schemeAddEdit;
}

// Asks for a new group or scheme of the menu, or a group's new name.
class schemeAddEdit : public QDialog
{
    Q_OBJECT

public:
    explicit schemeAddEdit(QWidget *parent = nullptr);
    ~schemeAddEdit() override;

    void reset();
    void setOtherRecords(const QList<MenuItemRecord> &records);
    void setProjectFolder(const QString &path);
    void setRecord(const MenuItemRecord &record);
    MenuItemRecord record() const;

private slots:
    void on_okBtn_clicked();
    void on_closeBtn_clicked();
    void on_toolButton_clicked();

private:
    SchemeFields fields() const;
    bool nameTaken(const QString &kind, const QString &name) const;

    Ui::schemeAddEdit *ui;
    MenuItemRecord m_record;
    QString m_projectFolder;
    QList<MenuItemRecord> m_others;
};
