import QtQuick 1.1
import "components"

// The boiler room: two gas boilers, the boiler pump and the headers.
Rectangle {
    id: root
    width: 900
    height: 600
    color: "#f4f6f8"

    property bool palnik1: false
    property bool palnik2: false
    property real tZas1: 0
    property real tZas2: 0
    property int moc1: 0
    property int moc2: 0
    property real tPowrot: 0
    property bool pompa: false
    property real tZadana: 0
    property int histereza: 0
    property int cisnienie: 0

    // Filled by the program: the properties whose controller did not answer
    // in the last read, so that their elements can be greyed.
    property variant staleVars: []
    function isStale(name) { return staleVars.indexOf(name) >= 0 }
    // Filled by the program: the properties whose point has an active alarm.
    property variant alarmVars: []
    function inAlarm(name) { return alarmVars.indexOf(name) >= 0 }

    signal itemClicked(string name)

    Header { title: "Kotłownia"; subtitle: "Dwa kotły gazowe 120 kW, pompa kotłowa, sprzęgło hydrauliczne" }
    NavButton {
        x: 760; y: 12; text: "‹ Przegląd"
        onClicked: root.itemClicked("przeglad")
    }

    // Supply header (red) and return header (blue).
    Pipe { x: 120; y: 130; width: 640; hot: true; flowing: root.pompa; stale: root.isStale("pompa") }
    Pipe { x: 120; y: 470; width: 640; hot: false; flowing: root.pompa; stale: root.isStale("pompa") }
    Pipe { x: 180; y: 130; height: 80; hot: true; flowing: root.palnik1; stale: root.isStale("palnik1") }
    Pipe { x: 180; y: 380; height: 98; hot: false; flowing: root.palnik1; stale: root.isStale("palnik1") }
    Pipe { x: 400; y: 130; height: 80; hot: true; flowing: root.palnik2; stale: root.isStale("palnik2") }
    Pipe { x: 400; y: 380; height: 98; hot: false; flowing: root.palnik2; stale: root.isStale("palnik2") }
    Pipe { x: 620; y: 130; height: 348; hot: true; flowing: root.pompa; stale: root.isStale("pompa") }

    BoilerUnit {
        x: 120; y: 210; caption: "Kocioł 1"; firing: root.palnik1; power: root.moc1; stale: root.isStale("palnik1")
        onClicked: root.itemClicked("palnik1")
    }
    BoilerUnit {
        x: 340; y: 210; caption: "Kocioł 2"; firing: root.palnik2; power: root.moc2; stale: root.isStale("palnik2")
        onClicked: root.itemClicked("palnik2")
    }
    ValueBox { x: 196; y: 146; caption: "Zasilanie K1"; value: root.tZas1.toFixed(1); unit: "°C"; alarm: root.inAlarm("tZas1"); stale: root.isStale("tZas1") }
    ValueBox { x: 416; y: 146; caption: "Zasilanie K2"; value: root.tZas2.toFixed(1); unit: "°C"; alarm: root.inAlarm("tZas2"); stale: root.isStale("tZas2") }

    Pump {
        x: 593; y: 280; running: root.pompa; caption: "Pompa kotłowa"; stale: root.isStale("pompa")
        onClicked: root.itemClicked("pompa")
    }

    ValueBox {
        x: 660; y: 146; caption: "Temp. zadana"; value: root.tZadana.toFixed(1); unit: "°C"; editable: true
        stale: root.isStale("tZadana")
        onClicked: root.itemClicked("t_zadana")
    }
    ValueBox {
        x: 660; y: 200; caption: "Histereza"; value: root.histereza; unit: "K"; editable: true
        stale: root.isStale("histereza")
        onClicked: root.itemClicked("histereza")
    }
    ValueBox { x: 660; y: 400; caption: "Powrót"; value: root.tPowrot.toFixed(1); unit: "°C"; alarm: root.inAlarm("tPowrot"); stale: root.isStale("tPowrot") }
    ValueBox { x: 660; y: 500; caption: "Ciśnienie"; value: (root.cisnienie / 10).toFixed(1); unit: "bar"; alarm: root.cisnienie < 13; stale: root.isStale("cisnienie") }

    Text { x: 20; y: 560; text: "Kliknij kocioł, pompę albo wartość z niebieską ramką, aby ją zmienić."; font.pixelSize: 12; color: "#5b6b7b" }
}
