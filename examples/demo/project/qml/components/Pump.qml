import QtQuick 1.1

// A circulation pump: the rotor turns while the pump runs.
Item {
    id: pump
    property bool running: false
    property string caption: ""
    property bool stale: false // greyed while its values are not live
    opacity: stale ? 0.35 : 1.0
    signal clicked()
    width: 56
    height: 72

    Rectangle {
        id: body
        width: 56
        height: 56
        radius: 28
        color: pump.running ? "#2e9e5b" : "#9aa5b1"
        border.color: "#2d3e50"
        border.width: 3
        Item {
            id: rotor
            anchors.fill: parent
            Rectangle { anchors.centerIn: parent; width: 40; height: 6; radius: 3; color: "white" }
            Rectangle { anchors.centerIn: parent; width: 6; height: 40; radius: 3; color: "white" }
            NumberAnimation on rotation { running: pump.running; from: 0; to: 360; duration: 1200; loops: Animation.Infinite }
        }
        Rectangle { anchors.centerIn: parent; width: 12; height: 12; radius: 6; color: "#2d3e50" }
    }
    Text {
        anchors.top: body.bottom
        anchors.horizontalCenter: body.horizontalCenter
        text: pump.caption
        font.pixelSize: 12
        color: "#2d3e50"
    }
    MouseArea { anchors.fill: body; onClicked: pump.clicked() }
}
