import QtQuick 1.1

// One heating circuit: pump, mixing valve, supply and room temperatures.
// The scheme decides what each click means.
Item {
    id: circuit
    property string title: ""
    property bool pump: false
    property int valve: 0
    property real supply: 0
    property real room: 0
    property real roomSetpoint: 0
    property bool stale: false // its controller did not answer
    // Each value greys on its own too: a controller may lack one of them.
    property bool pumpStale: stale
    property bool valveStale: stale
    property bool supplyStale: stale
    property bool roomStale: stale
    property bool setpointStale: stale
    signal titleClicked()
    signal pumpClicked()
    signal valveClicked()
    signal setpointClicked()
    width: 400
    height: 460

    Rectangle { anchors.fill: parent; radius: 10; color: "white"; border.color: "#b7c2ce" }
    Text {
        x: 16; y: 12; text: circuit.title; font.pixelSize: 17; font.bold: true; color: "#1f2d3a"
        MouseArea { anchors.fill: parent; onClicked: circuit.titleClicked() }
    }
    Pipe { x: 40; y: 120; width: 320; hot: true; flowing: circuit.pump; stale: circuit.pumpStale }
    Pipe { x: 40; y: 330; width: 320; hot: false; flowing: circuit.pump; stale: circuit.pumpStale }
    Pipe { x: 352; y: 120; height: 218; hot: true; flowing: circuit.pump; stale: circuit.pumpStale }
    Valve { x: 70; y: 86; opening: circuit.valve; caption: "Zawór"; stale: circuit.valveStale; onClicked: circuit.valveClicked() }
    Pump { x: 190; y: 96; running: circuit.pump; caption: "Pompa"; stale: circuit.pumpStale; onClicked: circuit.pumpClicked() }
    ValueBox { x: 225; y: 190; caption: "Zasilanie"; value: circuit.supply.toFixed(1); unit: "°C"; stale: circuit.supplyStale }
    ValueBox { x: 40; y: 370; caption: "Pokój"; value: circuit.room.toFixed(1); unit: "°C"; stale: circuit.roomStale }
    ValueBox {
        x: 200; y: 370; caption: "Zadana w pokoju"; value: circuit.roomSetpoint.toFixed(1); unit: "°C"; editable: true
        stale: circuit.setpointStale
        onClicked: circuit.setpointClicked()
    }
}
