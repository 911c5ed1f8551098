#include "schemeurlinterceptor.h"

#include "schememirror.h"

#include <QFileInfo>

SchemeUrlInterceptor::SchemeUrlInterceptor(SchemeMirror *mirror)
    : m_mirror(mirror)
{
}

QUrl SchemeUrlInterceptor::intercept(const QUrl &url, DataType type)
{
    if (!url.isLocalFile() || !m_mirror->contains(url.toLocalFile()))
        return url;
    const QString path = url.toLocalFile();
    if (QFileInfo::exists(path))
        return url;
    const QString original = m_mirror->originalOf(path);
    if ((type == QmlFile || type == JavaScriptFile) && m_mirror->mirrorFile(original))
        return url;
    return QUrl::fromLocalFile(original);
}
