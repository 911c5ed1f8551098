#include "schemereplydecoder.h"

#include "commandlanguage.h"

#include <algorithm>

SchemeReplyDecoder::SchemeReplyDecoder(const QList<TeskSchemeVariable> &variables)
    : m_variables(variables)
{
    QHash<QString, QStringList> names;
    for (int i = 0; i < m_variables.size(); ++i) {
        const TeskSchemeVariable &v = m_variables.at(i);
        m_byDevice[v.device].variables << i;
        names[v.device] << v.devVar;
        m_sortedProperties << v.qmlVar;
    }
    for (auto it = m_byDevice.begin(); it != m_byDevice.end(); ++it)
        it->matcher = ReplyMatcher(names.value(it.key()));
    m_sortedProperties.sort();
    m_sortedProperties.removeDuplicates();
    for (const TeskSchemeVariable &v : qAsConst(m_variables))
        m_propertyOf << int(std::lower_bound(m_sortedProperties.cbegin(), m_sortedProperties.cend(), v.qmlVar)
                            - m_sortedProperties.cbegin());
}

QVector<SchemeReplyDecoder::Report> SchemeReplyDecoder::decode(const QString &deviceId, const QVector<QStringRef> &parts) const
{
    QVector<Report> reports;
    const auto mine = m_byDevice.constFind(deviceId);
    if (mine == m_byDevice.constEnd())
        return reports;
    const ReplyMatcher::Found found = mine->matcher.scan(parts);
    for (int k = 0; k < mine->variables.size(); ++k) {
        const int index = mine->variables.at(k);
        const TeskSchemeVariable &v = m_variables.at(index);
        for (const int *p = found.begin(k); p != found.end(k); ++p) {
            QString value;
            if (CommandLanguage::decode(v.type, CommandLanguage::entryKeyRef(parts.at(*p)),
                                        CommandLanguage::entryValueRef(parts.at(*p)), &value))
                reports.append({index, true, value});
        }
        if (!found.present(k))
            reports.append({index, false, QString()});
    }
    return reports;
}
