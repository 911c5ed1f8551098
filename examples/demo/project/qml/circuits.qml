import QtQuick 1.1
import "components"

// Two heating circuits, each with its pump, mixing valve and room sensor.
Rectangle {
    id: root
    width: 900
    height: 600
    color: "#f4f6f8"

    property bool pompa1: false
    property int zawor1: 0
    property real tZas1: 0
    property real tPokoj1: 0
    property real tZad1: 0
    property bool pompa2: false
    property int zawor2: 0
    property real tZas2: 0
    property real tPokoj2: 0
    property real tZad2: 0

    // Filled by the program: the properties whose controller did not answer
    // in the last read, so that their elements can be greyed.
    property variant staleVars: []
    function isStale(name) { return staleVars.indexOf(name) >= 0 }

    signal itemClicked(string name)

    Header { title: "Obiegi grzewcze"; subtitle: "Obieg 1: grzejniki, obieg 2: ogrzewanie podłogowe" }
    NavButton {
        x: 760; y: 12; text: "‹ Przegląd"
        onClicked: root.itemClicked("przeglad")
    }

    Circuit {
        x: 40; y: 80
        title: "Obieg 1 - grzejniki"; stale: root.isStale("tZas1")
        pumpStale: root.isStale("pompa1"); valveStale: root.isStale("zawor1"); supplyStale: root.isStale("tZas1")
        roomStale: root.isStale("tPokoj1"); setpointStale: root.isStale("tZad1")
        pump: root.pompa1; valve: root.zawor1; supply: root.tZas1; room: root.tPokoj1; roomSetpoint: root.tZad1
        onTitleClicked: root.itemClicked("obieg1")
        onPumpClicked: root.itemClicked("pompa1")
        onValveClicked: root.itemClicked("zawor1")
        onSetpointClicked: root.itemClicked("t_zad1")
    }
    Circuit {
        x: 470; y: 80
        title: "Obieg 2 - podłogówka"; stale: root.isStale("tZas2")
        pumpStale: root.isStale("pompa2"); valveStale: root.isStale("zawor2"); supplyStale: root.isStale("tZas2")
        roomStale: root.isStale("tPokoj2"); setpointStale: root.isStale("tZad2")
        pump: root.pompa2; valve: root.zawor2; supply: root.tZas2; room: root.tPokoj2; roomSetpoint: root.tZad2
        onTitleClicked: root.itemClicked("obieg2")
        onPumpClicked: root.itemClicked("pompa2")
        onValveClicked: root.itemClicked("zawor2")
        onSetpointClicked: root.itemClicked("t_zad2")
    }
    Text { x: 40; y: 560; text: "Kliknij nazwę obiegu, aby zmienić pompę, zawór i nastawę naraz."; font.pixelSize: 12; color: "#5b6b7b" }
}
