import QtQuick 1.1
import "components"

// Domestic hot water: the tank, its charging pump and the circulation.
Rectangle {
    id: root
    width: 900
    height: 600
    color: "#f4f6f8"

    property real tCwu: 0
    property real tZadana: 0
    property bool ladowanie: false
    property bool cyrkulacja: false
    property int tryb: 0

    // Filled by the program: the properties whose controller did not answer
    // in the last read, so that their elements can be greyed.
    property variant staleVars: []
    function isStale(name) { return staleVars.indexOf(name) >= 0 }
    // Filled by the program: the properties whose point has an active alarm.
    property variant alarmVars: []
    function inAlarm(name) { return alarmVars.indexOf(name) >= 0 }

    signal itemClicked(string name)

    function trybText(t) { return t == 0 ? "Eko" : (t == 1 ? "Komfort" : "Wyłączony") }

    Header { title: "Ciepła woda użytkowa"; subtitle: "Zasobnik 500 l ładowany z kotłowni" }
    NavButton {
        x: 760; y: 12; text: "‹ Przegląd"
        onClicked: root.itemClicked("przeglad")
    }

    Pipe { x: 60; y: 180; width: 300; hot: true; flowing: root.ladowanie; stale: root.isStale("ladowanie") }
    Pipe { x: 60; y: 400; width: 300; hot: false; flowing: root.ladowanie; stale: root.isStale("ladowanie") }
    Pipe { x: 470; y: 180; width: 300; hot: true; flowing: root.cyrkulacja; stale: root.isStale("cyrkulacja") }
    Pipe { x: 762; y: 180; height: 220; hot: true; flowing: root.cyrkulacja; stale: root.isStale("cyrkulacja") }
    Pipe { x: 470; y: 400; width: 300; hot: false; flowing: root.cyrkulacja; stale: root.isStale("cyrkulacja") }

    Pump {
        x: 170; y: 146; running: root.ladowanie; caption: "Ładowanie"; stale: root.isStale("ladowanie")
        onClicked: root.itemClicked("ladowanie")
    }
    Tank { x: 360; y: 170; temperature: root.tCwu; caption: "Zasobnik"; stale: root.isStale("tCwu") }
    Pump {
        x: 590; y: 366; running: root.cyrkulacja; caption: "Cyrkulacja"; stale: root.isStale("cyrkulacja")
        onClicked: root.itemClicked("cyrkulacja")
    }

    ValueBox {
        x: 520; y: 226; width: 130; caption: "Zadana"; value: root.tZadana.toFixed(1); unit: "°C"; editable: true
        stale: root.isStale("tZadana")
        onClicked: root.itemClicked("t_zad_cwu")
    }
    ValueBox {
        x: 520; y: 282; width: 130; caption: "Tryb"; value: root.trybText(root.tryb); editable: true; stale: root.isStale("tryb")
        onClicked: root.itemClicked("tryb")
    }
    ValueBox { x: 60; y: 80; width: 160; caption: "Temperatura wody"; value: root.tCwu.toFixed(1); unit: "°C"; alarm: root.inAlarm("tCwu"); stale: root.isStale("tCwu") }

    Text { x: 60; y: 560; text: "Legionella: przegrzew raz w tygodniu do 70 °C (tryb Komfort)."; font.pixelSize: 12; color: "#5b6b7b" }
}
