import QtQuick 1.1
import "components"

// The whole building at a glance; each tile opens its scheme.
Rectangle {
    id: root
    width: 900
    height: 600
    color: "#f4f6f8"

    property real tKociol1: 0
    property real tKociol2: 0
    property bool palnik1: false
    property bool palnik2: false
    property real tPokoj1: 0
    property real tPokoj2: 0
    property real tCwu: 0
    property int trybCwu: 0
    property real tNawiew: 0
    property real tZewn: 0
    property bool wentylator: false
    property int bieg: 0

    // Filled by the program: the properties whose controller did not answer
    // in the last read, so that their elements can be greyed.
    property variant staleVars: []
    function isStale(name) { return staleVars.indexOf(name) >= 0 }
    // A value not read says so instead of showing a number: a tile greys
    // with its first controller, and the lines of others say it for them.
    function reading(name, text) { return isStale(name) ? "brak odczytu" : text }
    function degrees(name, value) { return reading(name, value.toFixed(1) + " °C") }

    signal itemClicked(string name)

    function trybText(t) { return t == 0 ? "Eko" : (t == 1 ? "Komfort" : "Wyłączony") }

    Header { title: "Przegląd obiektu"; subtitle: "Budynek biurowy, ul. Przykładowa 1 - kliknij kafelek, aby otworzyć schemat" }

    Grid {
        x: 35; y: 85
        columns: 2
        spacing: 30
        Tile {
            title: "Kotłownia"
            active: root.palnik1 || root.palnik2
            stale: root.isStale("tKociol1")
            line1: "Kocioł 1: " + root.reading("tKociol1", root.tKociol1.toFixed(1) + " °C " + (root.palnik1 ? "(praca)" : "(postój)"))
            line2: "Kocioł 2: " + root.reading("tKociol2", root.tKociol2.toFixed(1) + " °C " + (root.palnik2 ? "(praca)" : "(postój)"))
            line3: "Temperatura zewnętrzna: " + root.degrees("tZewn", root.tZewn)
            onClicked: root.itemClicked("kotlownia")
        }
        Tile {
            title: "Obiegi grzewcze"
            active: true
            stale: root.isStale("tPokoj1") && root.isStale("tPokoj2")
            line1: "Grzejniki, pokój: " + root.degrees("tPokoj1", root.tPokoj1)
            line2: "Podłogówka, pokój: " + root.degrees("tPokoj2", root.tPokoj2)
            line3: ""
            onClicked: root.itemClicked("obiegi")
        }
        Tile {
            title: "Ciepła woda"
            active: root.trybCwu != 2
            stale: root.isStale("tCwu")
            line1: "Zasobnik: " + root.degrees("tCwu", root.tCwu)
            line2: "Tryb: " + root.reading("trybCwu", root.trybText(root.trybCwu))
            line3: ""
            onClicked: root.itemClicked("cwu")
        }
        Tile {
            title: "Centrala wentylacyjna"
            active: root.wentylator
            stale: root.isStale("tNawiew")
            line1: "Nawiew: " + root.degrees("tNawiew", root.tNawiew)
            line2: "Wentylator: " + root.reading("wentylator", root.wentylator ? "bieg " + root.bieg : "stop")
            line3: ""
            onClicked: root.itemClicked("centrala")
        }
    }

    Text {
        x: 40; y: 560
        text: "Wartości odświeżane co 2 s"
        font.pixelSize: 12
        color: "#5b6b7b"
    }
}
