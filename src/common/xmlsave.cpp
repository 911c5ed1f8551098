#include "xmlsave.h"

#include "xmltext.h"

#include <QCoreApplication>
#include <QDir>
#include <QDomDocument>
#include <QDomImplementation>
#include <QFileInfo>
#include <QSaveFile>

namespace XmlSave {

namespace {

const QString kDeclaration = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");

QString tr(const char *text)
{
    return QCoreApplication::translate("XmlSave", text);
}

// Escapes as the DOM classes do, so that files keep the bytes they always
// had: "<", "&" and quotes in attributes, ">" after "]]", line ends in
// attributes (and carriage returns in text) as character references.
bool needsEscaping(const QString &text)
{
    for (const QChar c : text) {
        const ushort u = c.unicode();
        if (u < 0x20 || u == '<' || u == '>' || u == '&' || u == '"' || u >= 0xD800)
            return true;
    }
    return false;
}

QString escaped(const QString &raw, bool attribute)
{
    if (!needsEscaping(raw))
        return raw;
    const QString text = XmlText::xmlSafe(raw);
    QString out;
    out.reserve(text.size() + 8);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('<'))
            out += QLatin1String("&lt;");
        else if (c == QLatin1Char('&'))
            out += QLatin1String("&amp;");
        else if (attribute && c == QLatin1Char('"'))
            out += QLatin1String("&quot;");
        else if (c == QLatin1Char('>') && i >= 2 && text.at(i - 1) == QLatin1Char(']') && text.at(i - 2) == QLatin1Char(']'))
            out += QLatin1String("&gt;");
        else if (c == QLatin1Char('\r'))
            out += QLatin1String("&#xd;");
        else if (attribute && c == QLatin1Char('\n'))
            out += QLatin1String("&#xa;");
        else if (attribute && c == QLatin1Char('\t'))
            out += QLatin1String("&#x9;");
        else
            out += c;
    }
    return out;
}

class Printer
{
public:
    explicit Printer(const AttributeOrder &order)
        : m_order(order)
    {
    }

    QString print(const QDomDocument &doc)
    {
        m_out = kDeclaration;
        const QDomDocumentType type = doc.doctype();
        if (!type.name().isEmpty())
            printDocType(type);
        for (QDomNode n = doc.firstChild(); !n.isNull(); n = n.nextSibling()) {
            if (!n.isProcessingInstruction() || n.nodeName() != QLatin1String("xml"))
                printNode(n, 0);
        }
        return m_out;
    }

private:
    void printDocType(const QDomDocumentType &type)
    {
        m_out += QLatin1String("<!DOCTYPE ") + type.name();
        if (!type.publicId().isEmpty())
            m_out += QLatin1String(" PUBLIC \"") + type.publicId() + QLatin1Char('"');
        if (!type.systemId().isEmpty())
            m_out += (type.publicId().isEmpty() ? QLatin1String(" SYSTEM \"") : QLatin1String(" \""))
                + type.systemId() + QLatin1Char('"');
        m_out += QLatin1String(">\n");
    }

    // Indentation and line ends are left out next to text, which they would
    // change.
    void open(const QDomNode &n, int depth)
    {
        if (!n.previousSibling().isText())
            m_out += QString(depth, QLatin1Char(' '));
    }
    void close(const QDomNode &n)
    {
        if (!n.nextSibling().isText())
            m_out += QLatin1Char('\n');
    }

    void printNode(const QDomNode &n, int depth)
    {
        if (n.isElement()) {
            printElement(n.toElement(), depth);
        } else if (n.isCDATASection()) {
            m_out += QLatin1String("<![CDATA[")
                + XmlText::xmlSafe(n.nodeValue()).replace(QLatin1String("]]>"), QLatin1String("]]]]><![CDATA[>"))
                + QLatin1String("]]>");
        } else if (n.isText()) {
            m_out += escaped(n.nodeValue(), false);
        } else if (n.isComment()) {
            open(n, depth);
            const QString text = XmlText::xmlSafe(n.nodeValue()).replace(QLatin1String("--"), QLatin1String("- -"));
            m_out += QLatin1String("<!--") + text + (text.endsWith(QLatin1Char('-')) ? QLatin1String(" -->") : QLatin1String("-->"));
            close(n);
        } else if (n.isProcessingInstruction()) {
            m_out += QLatin1String("<?") + n.nodeName() + QLatin1Char(' ') + XmlText::xmlSafe(n.nodeValue())
                + QLatin1String("?>\n");
        }
    }

    void printAttribute(const QString &name, const QString &value)
    {
        m_out += QLatin1Char(' ') + name + QLatin1String("=\"") + escaped(value, true) + QLatin1Char('"');
    }

    void printElement(const QDomElement &e, int depth)
    {
        open(e, depth);
        const QString name = e.tagName();
        m_out += QLatin1Char('<') + name;
        const QStringList known = m_order.value(name);
        for (const QString &attribute : known) {
            if (e.hasAttribute(attribute))
                printAttribute(attribute, e.attribute(attribute));
        }
        const QDomNamedNodeMap attributes = e.attributes();
        QStringList others;
        for (int i = 0; i < attributes.count(); ++i) {
            const QString attribute = attributes.item(i).nodeName();
            if (!known.contains(attribute))
                others << attribute;
        }
        others.sort();
        for (const QString &attribute : qAsConst(others))
            printAttribute(attribute, e.attribute(attribute));

        if (!e.hasChildNodes()) {
            m_out += QLatin1String("/>");
        } else {
            m_out += QLatin1Char('>');
            if (!e.firstChild().isText())
                m_out += QLatin1Char('\n');
            for (QDomNode c = e.firstChild(); !c.isNull(); c = c.nextSibling())
                printNode(c, depth + 1);
            if (!e.lastChild().isText())
                m_out += QString(depth, QLatin1Char(' '));
            m_out += QLatin1String("</") + name + QLatin1Char('>');
        }
        close(e);
    }

    const AttributeOrder &m_order;
    QString m_out;
};

bool holdsBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.size() == bytes.size() && file.open(QIODevice::ReadOnly) && file.readAll() == bytes;
}

// A write cut short by a full disk reports no reason; the next one fails
// with it.
bool writeAll(QSaveFile &file, const QByteArray &bytes)
{
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

QString failure(const QString &path, const QString &reason)
{
    return QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason;
}

} // namespace

QDomDocument newDocument(const QString &docTypeName)
{
    return docTypeName.isEmpty()
        ? QDomDocument()
        : QDomDocument(QDomImplementation().createDocumentType(docTypeName, QString(), QString()));
}

QString write(const QString &path, const QDomDocument &doc, const AttributeOrder &order)
{
    return write(path, Printer(order).print(doc).toUtf8());
}

QString write(const QString &path, const QByteArray &bytes)
{
    const QFileInfo info(path);
    if (info.isSymLink() || (info.exists() && !info.isFile()))
        return failure(path, tr("nie jest zwykłym plikiem, nie zostanie nadpisany"));
    if (info.exists() && holdsBytes(path, bytes))
        return QString();
    QSaveFile file(path);
    // Unbuffered, so that a full disk is reported by the write with its reason.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failure(path, file.errorString());
    if (!writeAll(file, bytes)) {
        const QString error = file.errorString();
        file.cancelWriting();
        return failure(path, error);
    }
    if (!file.commit())
        return failure(path, file.errorString());
    return QString();
}

Builder::Builder(const QString &docTypeName)
    : m_out(kDeclaration)
{
    if (!docTypeName.isEmpty())
        m_out += QLatin1String("<!DOCTYPE ") + docTypeName + QLatin1String(">\n");
}

void Builder::closeStartTag()
{
    if (m_startTagOpen)
        m_out += QLatin1String(">\n");
    m_startTagOpen = false;
}

void Builder::start(const QString &name)
{
    closeStartTag();
    m_out += QString(m_open.size(), QLatin1Char(' ')) + QLatin1Char('<') + name;
    m_open.append(name);
    m_startTagOpen = true;
}

void Builder::attribute(const QString &name, const QString &value)
{
    m_out += QLatin1Char(' ');
    m_out += name;
    m_out += QLatin1String("=\"");
    m_out += escaped(value, true);
    m_out += QLatin1Char('"');
}

void Builder::end()
{
    const QString name = m_open.takeLast();
    if (m_startTagOpen)
        m_out += QLatin1String("/>\n");
    else
        m_out += QString(m_open.size(), QLatin1Char(' ')) + QLatin1String("</") + name + QLatin1String(">\n");
    m_startTagOpen = false;
}

} // namespace XmlSave
