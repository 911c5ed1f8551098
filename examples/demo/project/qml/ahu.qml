import QtQuick 1.1
import "components"

// The air handling unit: fan, heater, heat recovery and filter.
Rectangle {
    id: root
    width: 900
    height: 600
    color: "#f4f6f8"

    property bool wentylator: false
    property int bieg: 1
    property real tZewn: 0
    property real tNawiew: 0
    property int nagrzewnica: 0
    property int filtr: 0
    property int odzysk: 0

    // Filled by the program: the properties whose controller did not answer
    // in the last read, so that their elements can be greyed.
    property variant staleVars: []
    function isStale(name) { return staleVars.indexOf(name) >= 0 }
    // A percentage not read says so, in grey, instead of showing a number.
    function percent(name, value) { return isStale(name) ? "brak odczytu" : value + " %" }

    signal itemClicked(string name)

    Header { title: "Centrala wentylacyjna"; subtitle: "Nawiew 4000 m³/h, nagrzewnica wodna, rekuperator" }
    NavButton {
        x: 760; y: 12; text: "‹ Przegląd"
        onClicked: root.itemClicked("przeglad")
    }

    // The air duct, outside air on the left, supply air on the right.
    Rectangle { x: 40; y: 200; width: 820; height: 140; color: "#e4ebf2"; border.color: "#2d3e50"; border.width: 3 }
    Text { x: 50; y: 350; text: "Powietrze zewnętrzne"; font.pixelSize: 12; color: "#5b6b7b" }
    Text { x: 730; y: 350; text: "Nawiew"; font.pixelSize: 12; color: "#5b6b7b" }

    Rectangle { x: 120; y: 215; width: 30; height: 110; color: root.isStale("filtr") ? "#c4c9ce" : (root.filtr > 80 ? "#d64545" : "#c9b27c"); border.color: "#2d3e50" }
    Text { x: 105; y: 170; text: "Filtr " + root.percent("filtr", root.filtr); font.pixelSize: 13; color: root.isStale("filtr") ? "#9aa5b1" : "#1f2d3a" }

    Rectangle {
        x: 230; y: 215; width: 110; height: 110; color: "white"; border.color: "#2d3e50"; border.width: 2
        clip: true
        Rectangle { x: 0; y: 0; width: 156; height: 2; color: "#9aa5b1"; rotation: 45; transformOrigin: Item.TopLeft }
        Rectangle { x: 0; y: 108; width: 156; height: 2; color: "#9aa5b1"; rotation: -45; transformOrigin: Item.TopLeft }
        MouseArea {
            anchors.fill: parent
            onClicked: root.itemClicked("odzysk")
        }
    }
    Text { x: 230; y: 170; text: "Odzysk " + root.percent("odzysk", root.odzysk); font.pixelSize: 13; color: root.isStale("odzysk") ? "#9aa5b1" : "#1f2d3a" }

    Rectangle {
        x: 410; y: 215; width: 90; height: 110; color: root.isStale("nagrzewnica") ? "#eceff1" : (root.nagrzewnica > 0 ? "#fbd9c9" : "white"); border.color: "#d64545"; border.width: 2
        Column { anchors.centerIn: parent; spacing: 6
            Repeater { model: 4; Rectangle { width: 60; height: 4; color: root.isStale("nagrzewnica") ? "#c4c9ce" : "#d64545" } } }
        MouseArea {
            anchors.fill: parent
            onClicked: root.itemClicked("nagrzewnica")
        }
    }
    Text { x: 400; y: 170; text: "Nagrzewnica " + root.percent("nagrzewnica", root.nagrzewnica); font.pixelSize: 13; color: root.isStale("nagrzewnica") ? "#9aa5b1" : "#1f2d3a" }

    Fan {
        x: 580; y: 210; running: root.wentylator; gear: root.bieg; caption: "Wentylator"; stale: root.isStale("wentylator")
        onClicked: root.itemClicked("wentylator")
    }

    ValueBox { x: 40; y: 400; caption: "Temp. zewnętrzna"; value: root.tZewn.toFixed(1); unit: "°C"; stale: root.isStale("tZewn") }
    ValueBox { x: 720; y: 400; caption: "Temp. nawiewu"; value: root.tNawiew.toFixed(1); unit: "°C"; alarm: root.wentylator && root.tNawiew < 16; stale: root.isStale("tNawiew") }
    ValueBox {
        x: 560; y: 400; caption: "Bieg wentylatora"; value: root.wentylator ? root.bieg : "-"; editable: true; stale: root.isStale("bieg")
        onClicked: root.itemClicked("bieg")
    }

    Text { x: 40; y: 560; text: "Kliknij wentylator, nagrzewnicę albo rekuperator, aby je nastawić."; font.pixelSize: 12; color: "#5b6b7b" }
}
