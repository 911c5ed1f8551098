#include "schemepreview.h"

#include "qdeclarativezoompan.h"
#include "ui_schemepreview.h"

#include <QFileInfo>

SchemePreview::SchemePreview(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , ui(new Ui::SchemePreview)
    , m_view(new QDeclarativeZoomPan(this))
{
    ui->setupUi(this);
    ui->viewLayout->addWidget(m_view);
    ui->splitter->setSizes({520, 120});
}

SchemePreview::~SchemePreview()
{
    delete ui;
}

void SchemePreview::show(const QString &path, const QString &text)
{
    setWindowTitle(tr("Podgląd schematu") + QStringLiteral(" [") + QFileInfo(path).fileName() + QLatin1Char(']'));
    m_view->setSourceText(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()), text);
    ui->errorList->clear();
    for (const QQmlError &e : m_view->errors()) {
        auto *row = new QListWidgetItem(QIcon(QStringLiteral(":/error")), e.toString(), ui->errorList);
        row->setData(Qt::UserRole, e.line());
    }
    ui->errorList->setVisible(ui->errorList->count() > 0);
    QWidget::show();
    raise();
}

QStringList SchemePreview::errorLines() const
{
    QStringList lines;
    for (int i = 0; i < ui->errorList->count(); ++i)
        lines << ui->errorList->item(i)->text();
    return lines;
}
