import QtQuick 1.1

// A tile of the overview: a title, a few readings, and a click that opens
// the scheme it stands for.
Rectangle {
    id: tile
    property string title: ""
    property string line1: ""
    property string line2: ""
    property string line3: ""
    property bool active: false
    property bool stale: false // greyed while its values are not live
    opacity: stale ? 0.35 : 1.0
    signal clicked()
    width: 400
    height: 200
    radius: 10
    color: mouse.pressed ? "#dde8f4" : "white"
    border.color: "#b7c2ce"
    border.width: 1

    Rectangle { x: 0; y: 0; width: 8; height: parent.height; radius: 4; color: tile.active ? "#2e9e5b" : "#9aa5b1" }
    Text { x: 24; y: 16; text: tile.title; font.pixelSize: 20; font.bold: true; color: "#1f2d3a" }
    Column {
        x: 24; y: 60; spacing: 10
        Text { text: tile.line1; font.pixelSize: 16; color: "#2d3e50" }
        Text { text: tile.line2; font.pixelSize: 16; color: "#2d3e50" }
        Text { text: tile.line3; font.pixelSize: 16; color: "#2d3e50" }
    }
    Text { anchors.right: parent.right; anchors.rightMargin: 12; anchors.bottom: parent.bottom; anchors.bottomMargin: 8
        text: "Otwórz ›"; font.pixelSize: 13; color: "#3a86d4" }
    MouseArea { id: mouse; anchors.fill: parent; onClicked: tile.clicked() }
}
