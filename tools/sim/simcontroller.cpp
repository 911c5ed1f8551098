#include "simcontroller.h"

#include <QtMath>

namespace {

QString integer(double v)
{
    return QString::number(qRound64(v));
}

QString entry(const QString &key, const QString &value)
{
    return key + QLatin1Char('=') + value + QLatin1Char(';');
}

QString identityEntries(const QString &key, const QStringList &parts)
{
    QString out;
    for (int k = 0; k < parts.size(); ++k)
        out += entry(key + QLatin1Char('.') + QString::number(k), parts.at(k));
    return out;
}

// The names or assignments between "get(" / "set(" and the closing ");".
QStringList arguments(const QString &command)
{
    QString body = command.mid(4);
    if (body.endsWith(QLatin1String(");")))
        body.chop(2);
    return body.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

} // namespace

SimController::SimController(quint32 seed)
    : m_random(seed)
{
}

QString SimController::answer(const QString &command)
{
    const QString c = command.trimmed();
    QString body;
    if (c == QLatin1String("get_all;")) {
        for (const SimVariable &v : qAsConst(variables))
            body += valuesEntries(v);
        return QStringLiteral("get_all(") + body + QStringLiteral(");");
    }
    if (c == QLatin1String("describe_all;")) {
        for (const SimVariable &v : qAsConst(variables))
            body += describeEntries(v);
        return QStringLiteral("describe_all(") + body + QStringLiteral(");");
    }
    if (c.startsWith(QLatin1String("get("))) {
        for (const QString &name : arguments(c))
            body += getEntries(name);
        return QStringLiteral("get(") + body + QStringLiteral(");");
    }
    if (c.startsWith(QLatin1String("set("))) {
        for (const QString &assignment : arguments(c)) {
            const QString name = assignment.section(QLatin1Char('='), 0, 0);
            if (write(name, assignment.section(QLatin1Char('='), 1)))
                body += getEntries(name);
        }
        return QStringLiteral("set(") + body + QStringLiteral(");");
    }
    return QStringLiteral("error(") + entry(QStringLiteral("command"), QStringLiteral("unknown"))
        + QStringLiteral(");");
}

QString SimController::valuesEntries(const SimVariable &v) const
{
    if (v.type == QLatin1String("phy_temperature"))
        return entry(v.name + QStringLiteral(".value"), integer(v.number)) + entry(v.name + QStringLiteral(".err"), v.err);
    if (v.type == QLatin1String("string"))
        return entry(v.name, v.text);
    if (v.type == QLatin1String("ipquad"))
        return identityEntries(v.name, v.text.split(QLatin1Char('.')));
    return entry(v.name, integer(v.number));
}

QString SimController::describeEntries(const SimVariable &v) const
{
    QString out = entry(v.name + QStringLiteral(".type"), v.type)
        + entry(v.name + QStringLiteral(".modify"), v.modify ? QStringLiteral("1") : QStringLiteral("0"));
    if (v.hasMax)
        out += entry(v.name + QStringLiteral(".max"), integer(v.max));
    if (v.hasMin)
        out += entry(v.name + QStringLiteral(".min"), integer(v.min));
    return out;
}

QString SimController::getEntries(const QString &name) const
{
    if (name == QLatin1String("dev.mac"))
        return identityEntries(name, mac);
    if (name == QLatin1String("dev.serial"))
        return identityEntries(name, serial);
    if (name == QLatin1String("dev.ver"))
        return identityEntries(name, version);
    for (const SimVariable &v : variables) {
        if (v.name == name)
            return valuesEntries(v);
    }
    return QString();
}

bool SimController::write(const QString &name, const QString &value)
{
    SimVariable *v = variable(name);
    if (!v || !v->modify)
        return false;
    if (!v->isNumeric()) {
        v->text = value;
        return true;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok)
        return false;
    if (v->type == QLatin1String("on_off"))
        v->number = number != 0 ? 1 : 0;
    else
        v->number = v->clamped(qRound64(number));
    return true;
}

SimVariable *SimController::variable(const QString &name)
{
    for (SimVariable &v : variables) {
        if (v.name == name)
            return &v;
    }
    return nullptr;
}

QString SimController::valueText(const QString &name) const
{
    for (const SimVariable &v : variables) {
        if (v.name == name)
            return v.isNumeric() ? integer(v.number) : v.text;
    }
    return QString();
}

bool SimController::followedIsOn(const SimVariable &v) const
{
    for (const SimVariable &source : variables) {
        if (source.name == v.follow)
            return source.number != 0;
    }
    return false;
}

void SimController::step(double seconds)
{
    for (SimVariable &v : variables) {
        if (!v.isNumeric() || v.type == QLatin1String("on_off"))
            continue;
        if (!v.follow.isEmpty()) {
            const double target = followedIsOn(v) ? v.onValue : v.offValue;
            v.number += (target - v.number) * qMin(1.0, v.rate * seconds);
        }
        if (v.drift != 0) {
            v.number += v.drift * seconds;
            if ((v.hasMax && v.number >= v.max && v.drift > 0) || (v.hasMin && v.number <= v.min && v.drift < 0))
                v.drift = -v.drift;
        }
        if (v.noise > 0)
            v.number += (m_random.generateDouble() * 2 - 1) * v.noise * seconds;
        v.number = v.clamped(v.number);
    }
}
