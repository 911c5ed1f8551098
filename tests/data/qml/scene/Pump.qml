import QtQuick 1.0

// A pump that turns while it runs.
Item {
    id: pump
    width: 80
    height: 80
    property bool running: false
    signal clicked()

    Rectangle {
        id: body
        anchors.fill: parent
        radius: width / 2
        color: pump.running ? "#4caf50" : "#9e9e9e"
        border.color: "#333333"
        border.width: 2
        Rectangle { width: 4; height: parent.height - 12; anchors.centerIn: parent; color: "white" }
        RotationAnimation on rotation { running: pump.running; loops: Animation.Infinite; from: 0; to: 360; duration: 1500 }
    }
    MouseArea { anchors.fill: parent; onClicked: pump.clicked() }
}
