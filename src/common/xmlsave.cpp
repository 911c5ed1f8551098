#include "xmlsave.h"

#include <QDomDocument>
#include <QDomImplementation>
#include <QSaveFile>

namespace XmlSave {

namespace {

const QByteArray kDeclaration = QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");

// A parsed document prints its declaration in its own way (single quotes);
// every file we write starts with the same one.
QByteArray withDeclaration(QByteArray bytes)
{
    if (bytes.startsWith("<?xml"))
        return bytes.replace(0, bytes.indexOf("?>") + 2, kDeclaration);
    return kDeclaration + '\n' + bytes;
}

} // namespace

QDomDocument newDocument(const QString &docTypeName)
{
    QDomDocument doc = docTypeName.isEmpty()
        ? QDomDocument()
        : QDomDocument(QDomImplementation().createDocumentType(docTypeName, QString(), QString()));
    doc.appendChild(doc.createProcessingInstruction(QStringLiteral("xml"),
                                                    QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    return doc;
}

QString write(const QString &path, const QDomDocument &doc)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    const QByteArray bytes = withDeclaration(doc.toByteArray(1));
    if (file.write(bytes) != bytes.size()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

} // namespace XmlSave
