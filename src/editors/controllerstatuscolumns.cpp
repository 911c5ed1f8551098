#include "controllerstatuscolumns.h"

#include <QHash>
#include <QScrollBar>
#include <QTreeWidget>

ControllerStatusColumns::ControllerStatusColumns(QTreeWidget *tree)
    : QObject(tree)
    , m_tree(tree)
    , m_first(tree->columnCount())
{
}

void ControllerStatusColumns::setStatus(const QList<ControllerStatus> &status)
{
    m_status = status;
    fill();
}

void ControllerStatusColumns::fill()
{
    m_tree->setColumnCount(m_status.isEmpty() ? m_first : m_first + 3);
    m_tree->setMinimumWidth(0);
    if (m_status.isEmpty())
        return;
    QTreeWidgetItem *header = m_tree->headerItem();
    header->setText(m_first, tr("Stan"));
    header->setText(m_first + 1, tr("Ostatnia odpowiedź"));
    header->setText(m_first + 2, tr("Czas odpowiedzi"));
    QHash<QString, ControllerStatus> byId;
    for (const ControllerStatus &s : qAsConst(m_status))
        byId.insert(s.deviceId, s);
    for (int i = 0; i < m_tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem *row = m_tree->topLevelItem(i);
        const auto s = byId.constFind(row->text(0));
        if (s == byId.constEnd()) {
            row->setText(m_first, tr("nieużywany w schemacie"));
            continue;
        }
        row->setIcon(m_first, QIcon(s->answering ? QStringLiteral(":/ok") : QStringLiteral(":/error")));
        row->setText(m_first, s->answering ? tr("odpowiada") : tr("nie odpowiada"));
        const QDateTime last = s->lastAnswer.toLocalTime();
        row->setText(m_first + 1, last.isValid() ? last.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")) : tr("nigdy"));
        row->setText(m_first + 2, s->lastResponseMs < 0 ? QString() : QString::number(s->lastResponseMs) + QStringLiteral(" ms"));
    }
    // Every column in sight: the list grows, and its dialog with it.
    int width = 0;
    for (int c = 0; c < m_tree->columnCount(); ++c) {
        m_tree->resizeColumnToContents(c);
        width += m_tree->columnWidth(c);
    }
    m_tree->setMinimumWidth(width + 2 * m_tree->frameWidth() + m_tree->verticalScrollBar()->sizeHint().width());
}
