import QtQuick 1.1

// A button that leads to another scheme.
Rectangle {
    id: button
    property string text: ""
    signal clicked()
    width: label.width + 28
    height: 32
    radius: 6
    color: mouse.pressed ? "#2c6db0" : "#3a86d4"
    Text { id: label; anchors.centerIn: parent; text: button.text; font.pixelSize: 14; color: "white" }
    MouseArea { id: mouse; anchors.fill: parent; onClicked: button.clicked() }
}
