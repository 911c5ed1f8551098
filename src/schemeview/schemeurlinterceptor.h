#pragma once

#include <QQmlAbstractUrlInterceptor>

class SchemeMirror;

// Sends the engine's requests for a mirrored scheme to the right files:
// QML and scripts to their rewritten copies (made on demand for files
// outside the mirrored folder), everything else (images) to the originals.
class SchemeUrlInterceptor : public QQmlAbstractUrlInterceptor
{
public:
    explicit SchemeUrlInterceptor(SchemeMirror *mirror);

    QUrl intercept(const QUrl &url, DataType type) override;

private:
    SchemeMirror *m_mirror;
};
