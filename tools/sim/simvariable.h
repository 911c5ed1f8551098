#pragma once

#include <QString>

// One variable of a simulated controller, with how it changes over time.
struct SimVariable
{
    QString name;
    QString type = QStringLiteral("int"); // controller type word
    bool modify = false;
    bool hasMin = false;
    bool hasMax = false;
    double min = 0;
    double max = 0;
    double number = 0; // numeric types; temperatures in tenths of a degree
    QString text;      // "string" and "ipquad" values
    QString err = QStringLiteral("0");

    double drift = 0; // units per second, turning back at min and max
    double noise = 0; // largest random step per second
    QString follow;   // a variable whose on/off state pulls this one
    double onValue = 0;
    double offValue = 0;
    double rate = 0; // fraction of the distance covered per second

    bool isNumeric() const { return type != QLatin1String("string") && type != QLatin1String("ipquad"); }
    double clamped(double v) const;
};
