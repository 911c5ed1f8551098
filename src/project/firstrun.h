#pragma once

#include <QDialog>

namespace Ui {
class FirstRun;
}

// The first-run wizard: asks for the workspace folder and the language.
class FirstRun : public QDialog
{
    Q_OBJECT

public:
    explicit FirstRun(QWidget *parent = nullptr);
    ~FirstRun() override;

    QString workspaceDir() const;
    QString language() const;

private slots:
    void on_toolButton_clicked();
    void on_lineEdit_textChanged(const QString &text);
    void on_comboBox_currentIndexChanged(int index);
    void on_pushButton_2_clicked();

private:
    Ui::FirstRun *ui;
    QString m_language = QStringLiteral("eng");
};
