#include "audittablemodel.h"

#include <QColor>
#include <QDateTime>

void AuditTableModel::setRecords(const QVector<AuditRecord> &records)
{
    beginResetModel();
    m_records = records;
    endResetModel();
}

int AuditTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_records.size();
}

int AuditTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString AuditTableModel::actionText(AuditRecord::Action action)
{
    switch (action) {
    case AuditRecord::Action::Write:
        return tr("zapis");
    case AuditRecord::Action::WriteRefused:
        return tr("zapis odrzucony");
    case AuditRecord::Action::WriteChanged:
        return tr("zapis zmieniony");
    case AuditRecord::Action::Login:
        return tr("logowanie");
    case AuditRecord::Action::Logout:
        return tr("wylogowanie");
    case AuditRecord::Action::LoginFailed:
        return tr("nieudane logowanie");
    case AuditRecord::Action::Locked:
        return tr("blokada logowania");
    case AuditRecord::Action::Save:
        return tr("zapis projektu");
    case AuditRecord::Action::UsersChanged:
        return tr("zmiana użytkowników");
    }
    return QString();
}

QString AuditTableModel::displayText(const AuditRecord &r, int column) const
{
    switch (column) {
    case Time:
        return QDateTime::fromMSecsSinceEpoch(r.timeMs).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    case User:
        return r.user;
    case Station:
        return r.station;
    case Action:
        return actionText(r.action);
    case Controller:
        return r.controller;
    case Variable:
        return r.variable;
    case Before:
        return r.before;
    case Sent:
        return r.sent;
    case Confirmed:
        return r.confirmed;
    case Detail:
        return r.detail;
    }
    return QString();
}

QVariant AuditTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_records.size())
        return QVariant();
    const AuditRecord &r = m_records.at(index.row());
    if (role == Qt::DisplayRole)
        return displayText(r, index.column());
    // A write the controller did not keep as sent stands out.
    const bool notKept = r.action == AuditRecord::Action::WriteRefused || r.action == AuditRecord::Action::WriteChanged;
    if (role == Qt::BackgroundRole && index.column() == Action && notKept)
        return QColor(0xff, 0xd8, 0xa8);
    if (role == Qt::ToolTipRole && index.column() == Detail && !r.detail.isEmpty())
        return r.detail;
    return QVariant();
}

QVariant AuditTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const names[ColumnCount]
        = {QT_TR_NOOP("Czas"),         QT_TR_NOOP("Użytkownik"), QT_TR_NOOP("Stanowisko"), QT_TR_NOOP("Czynność"),
           QT_TR_NOOP("Sterownik"),    QT_TR_NOOP("Zmienna"),    QT_TR_NOOP("Przed"),      QT_TR_NOOP("Wysłano"),
           QT_TR_NOOP("Potwierdzono"), QT_TR_NOOP("Szczegóły")};
    return section >= 0 && section < ColumnCount ? tr(names[section]) : QVariant();
}
