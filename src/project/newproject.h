#pragma once

#include <QDialog>

namespace Ui {
class NewProject;
}

// Asks for a new project's name, folder and author, and makes the folder.
class NewProject : public QDialog
{
    Q_OBJECT

public:
    explicit NewProject(QWidget *parent = nullptr);
    ~NewProject() override;

    void setWorkspaceDir(const QString &dir);
    // Name, directory, author, in that order.
    QStringList values() const;

private slots:
    void on_okButton_clicked();
    void on_CancelButton_clicked();
    void on_lineEdit_textChanged(const QString &name);

private:
    Ui::NewProject *ui;
    QString m_workspaceDir;
};
